#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane Cards"));
    QLabel window(QStringLiteral("Orvane Cards"));
    window.resize(792, 556);
    window.show();
    return QApplication::exec();
}
