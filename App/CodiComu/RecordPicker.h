#pragma once
// A framework data form used as a record picker: the caller may position it on a
// record first, shows it modally and then reads the picked record's values. The
// form model answers both requests (TZULForm::LocateRecord, PickedValues); the modal
// showing belongs to the desktop, which plugs it in at start-up. Without it a form
// cannot be shown and every pick is cancelled.

#include <QString>
#include <QVariant>
#include <functional>
#include <optional>

class TZULForm;

// Modal results.
enum TModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2 };

// Where to position the form before it is shown.
struct TLocateStruct {
  QString fieldName;
  QVariant value;
  quint8 flag = 0;
  int option = 0;
};

// What the form is shown for: the mode (its meaning belongs to the framework: the
// centre list and the report-card rules use 4) and the record asked for, if any.
struct TPickRequest {
  int mode = 0;
  std::optional<TLocateStruct> locate;
};

// Shows the form modally and returns its modal result.
using TFormModalShower = std::function<int(TZULForm& form, const TPickRequest& request)>;

// Plugs the desktop's shower; an empty one restores the default (mrCancel). Returns
// the previous one.
TFormModalShower SetFormModalShower(TFormModalShower shower);

// With `locate`, positions the form on the record whose `fieldName` holds `value`
// (the form stays where it was when there is none), then shows it modally with the
// mode; returns the modal result.
int PickRecord(TZULForm& form, int mode, bool locate, const QVariant& value, const QString& fieldName,
               int option = 0);

// The value of a field (without regard to case) of the form's current record;
// nothing when the form has no current record or no such field.
std::optional<QVariant> GetPickedValue(const TZULForm& form, const QString& fieldName);
