#include "App.h"

// Placeholder until the application is built.
App& App::Instance()
{
    static App app;
    return app;
}

App::App() = default;
void App::ProfileSettingsGet() {}
void App::ProfileSettingsSet() {}
void App::DoRxCfg() {}
void App::DoRxDialName() {}
void App::DoTxCfg() {}
void App::DoTxDialName() {}
