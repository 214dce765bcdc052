#include "PhoneBookCommands.h"

// Placeholders until the phone-book dialogs exist.
void OnPhoneBookImport(QWidget*) {}
void OnPhoneBookExport(QWidget*) {}
void OnPhoneBookTestData(QWidget*) {}
