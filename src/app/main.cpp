#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("The Vantrel Velocarta    2000"));
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
