// The reference for the configurator's start-up: a minimal Qt Widgets program showing one empty
// window of the main window's size. Linked with FirstPaint.cpp it ends once painted.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    // The main window's client size.
    window.resize(694, 440);
    window.setWindowTitle("Reference");
    window.show();
    return app.exec();
}
