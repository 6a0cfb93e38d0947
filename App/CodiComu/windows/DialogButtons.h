#pragma once
// The "Aceptar" / "Cancelar" row of the shell's dialogs: "Aceptar" (the default button,
// object name "btnAceptar") closes the dialog with OK when `apply` says the values
// were taken; "Cancelar" ("btnCancelar") closes it without.

#include <functional>

class QDialog;
class QDialogButtonBox;

QDialogButtonBox* AcceptCancelButtons(QDialog* dialog, std::function<bool()> apply);
