#pragma once
// What the configuration asks of the main window, whatever draws it: the hooks of
// the connection events, the first activation and the window settings read at
// start-up. The desktop's main window implements it; tests plug a recorder.

class TZULMenuForm {
public:
  virtual ~TZULMenuForm() = default;
  // Before a disconnect: every child form is closed (they hold datasets).
  virtual void CloseChildForms() {}
  virtual void AfterDisconnect() {}
  virtual void BeforeConnect() {}
  virtual void AfterConnect() {}
  virtual void AfterFirstActivation() {}
  // The window-style assistant, the window style and the application login. False
  // when the program must end at once (the login was not confirmed).
  virtual bool LoadWindowSettings() { return true; }
  virtual bool AllowsMDI() const { return false; }
};
