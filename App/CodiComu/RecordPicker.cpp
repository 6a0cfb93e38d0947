#include "App/CodiComu/RecordPicker.h"

#include <utility>

#include "platform/zul/TParametres.h"
#include "platform/zul/TZULForm.h"

namespace {
TFormModalShower& Shower() {
  static TFormModalShower shower;
  return shower;
}
}  // namespace

TFormModalShower SetFormModalShower(TFormModalShower shower) {
  return std::exchange(Shower(), std::move(shower));
}

int PickRecord(TZULForm& form, int mode, bool locate, const QVariant& value, const QString& fieldName,
               int option) {
  TPickRequest request;
  request.mode = mode;
  if (locate) {
    request.locate = TLocateStruct{fieldName, value, 1, option};
    form.LocateRecord(fieldName, value);
  }
  // A copy: the shower may plug another one while the form is up.
  const TFormModalShower shower = Shower();
  return shower ? shower(form, request) : mrCancel;
}

std::optional<QVariant> GetPickedValue(const TZULForm& form, const QString& fieldName) {
  // The answer comes as a parameter list, whose names compare without regard to case.
  TParametres answer;
  const QVariantMap values = form.PickedValues();
  for (auto it = values.cbegin(); it != values.cend(); ++it) answer.AddParam(it.key(), it.value());
  if (!answer.ParamExists(fieldName)) return std::nullopt;
  return answer.GetParametreValue(fieldName);
}
