#pragma once

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>

#include <functional>

// Hands every native message of the application's thread to a function as the toolkit
// receives it (a MSG on Windows) and lets it go on: how a platform adapter follows a
// window's messages without knowing the toolkit.
class NativeMessageTap : public QAbstractNativeEventFilter {
  public:
    explicit NativeMessageTap(std::function<void(const void*)> receiver)
        : receiver_(std::move(receiver)) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~NativeMessageTap() override { QCoreApplication::instance()->removeNativeEventFilter(this); }
    NativeMessageTap(const NativeMessageTap&) = delete;
    NativeMessageTap& operator=(const NativeMessageTap&) = delete;

    bool nativeEventFilter(const QByteArray&, void* message, qintptr*) override {
        receiver_(message);
        return false;
    }

  private:
    std::function<void(const void*)> receiver_;
};
