#pragma once
// The framework's application object that REGISTER_LIBRARY keeps: every database
// access of the rules goes through its default database.

class TDataBaseZUL;
class TZULApp;

namespace RulesApp {

TZULApp* Get();  // nullptr before REGISTER_LIBRARY ran
void Set(TZULApp* app);

// The kept application's default database, else the framework's default one;
// raises EDatabaseError when there is none.
TDataBaseZUL& DefaultDB();

}  // namespace RulesApp
