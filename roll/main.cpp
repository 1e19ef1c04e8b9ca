#include "roll/App.h"

int main(int argc, char** argv) {
    // A logout during start-up must end the program cleanly, not kill it.
    Application::CatchQuitSignalsFromStart();
    App app(argc, argv);
    return app.Run();
}
