#pragma once

#include "platform/Application.h"

// The application object.
class App : public Application {
public:
    App(int& argc, char** argv);

    void Event_Open() override;
    void Event_Activate() override;
    void Event_EnableMenuItems() override;
};
