#pragma once
// The current centre: the centre most work happens in, chosen by the user and kept
// in the application parameter "PRMIDCentroActual" between runs. Loaded into the
// framework parameters "PRMIDCentroActual", "PRMCodigoCentroActual" and
// "PRMNombreCentroActual"; the main window is told after every load.

#include <QVariant>
#include <functional>

namespace CurrentCentre {

// Loads centre `id` (a missing centre clears the choice) and notifies.
void CargaCentroActual(const QVariant& id);
// Loads the centre kept in the application parameter (-1: none).
void RecargaCentroActual();
// The framework parameter as an integer, 0 when absent.
int CentroActual();
// Raises "No ha seleccionado ningún centro..." without a current centre.
void ExigeCentroActual();

// The main window's notification, called after every load (empty: none).
void SetChangeNotification(std::function<void()> notify);

// Plugs "MUESTRA_CENTRO_ACTUAL", the current-centre requirement of the action
// procedures, and the reload after a centre is deleted.
void RegisterRules();

}  // namespace CurrentCentre
