// The toolkit's floor for a window: a bare Qt Widgets window of the given
// size showing one picture, timed by the same probe as the program.
//   quorvale-floor-window W H PICTURE
#include <QApplication>
#include <QLabel>
#include <QPixmap>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    QWidget window;
    window.resize(args.value(1).toInt(), args.value(2).toInt());
    auto *picture = new QLabel(&window);
    picture->setPixmap(QPixmap(args.value(3)));
    picture->adjustSize();
    window.show();
    return app.exec();
}
