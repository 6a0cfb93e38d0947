#pragma once
// The widget that draws each kind of control of the forms model, named after the
// control so that rules, tests and translations find it.

#include <QString>

class QLabel;
class QWidget;
class TZULControl;

class TZULControlFactory {
public:
  // The control's widget (a panel's children go into its layout, a QFormLayout).
  static QWidget* CreateWidget(TZULControl& control, QWidget* parent);
  // Kinds whose caption is drawn as a label beside the widget.
  static bool HasSideLabel(const TZULControl& control);
  // The side label, named after the control with "Label" appended.
  static QLabel* CreateLabel(TZULControl& control, QWidget* parent);
};
