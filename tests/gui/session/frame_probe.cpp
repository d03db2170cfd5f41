// A window that can grow, with a Maximize button: test_x11_frame.sh shows
// that check_x11_frame.py refuses it, so its passing the main window means
// something.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("A window that can grow"));
    window.setWindowTitle(QStringLiteral("Mezura frame probe"));
    window.resize(300, 200);
    window.show();
    return QApplication::exec();
}
