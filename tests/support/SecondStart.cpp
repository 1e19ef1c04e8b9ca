// A second start of the program, as the application tests run it in a
// process of its own while their own copy runs: it must hand over to that
// copy and end, without ever opening as a first start would.

#include "platform/Application.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

namespace {

class SecondStart : public Application {
public:
    using Application::Application;
    bool opened = false;

protected:
    void Event_Open() override { opened = true; }
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    SecondStart app(argc, argv);
    QTimer::singleShot(5000, QCoreApplication::instance(), [] {
        std::fputs("the second start did not hand over\n", stderr);
        QCoreApplication::exit(2);
    });
    const int result = app.Run();
    if (app.opened) {
        std::fputs("the second start opened as a first start\n", stderr);
        return 1;
    }
    return result;
}
