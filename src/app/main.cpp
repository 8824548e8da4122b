#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Cruise Controller Programming User Interface Ver_1.0");
    window.show();
    return app.exec();
}
