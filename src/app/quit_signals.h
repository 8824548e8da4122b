#pragma once

#include <QObject>

#include <functional>

// SIGTERM, SIGHUP and SIGINT end the program as Exit would: the handler only wakes the
// event loop, which then runs `quit` (closing the window writes the autosave file).
class QuitSignals : public QObject {
  public:
    QuitSignals(std::function<void()> quit, QObject* parent);
};
