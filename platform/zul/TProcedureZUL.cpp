#include "platform/zul/TProcedureZUL.h"

#include <algorithm>
#include <utility>

namespace {
bool SameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }
}  // namespace

void TProcedureZUL::RegisterProcedure(const QString& name, const QString& description,
                                      TZULProcedure procedure) {
  for (Entry& entry : m_entries) {
    if (SameName(entry.name, name)) {
      entry.description = description;
      entry.procedure = std::move(procedure);
      return;
    }
  }
  m_entries.push_back(Entry{name, description, std::move(procedure)});
}

bool TProcedureZUL::Exists(const QString& name) const {
  return std::any_of(m_entries.begin(), m_entries.end(),
                     [&](const Entry& entry) { return SameName(entry.name, name); });
}

QStringList TProcedureZUL::Names() const {
  QStringList names;
  names.reserve(static_cast<qsizetype>(m_entries.size()));
  for (const Entry& entry : m_entries) names.append(entry.name);
  return names;
}

QString TProcedureZUL::Description(const QString& name) const {
  for (const Entry& entry : m_entries) {
    if (SameName(entry.name, name)) return entry.description;
  }
  return QString();
}

void TProcedureZUL::Clear() { m_entries.clear(); }

bool TProcedureZUL::ExecuteProcedure(const QString& name, QObject* sender, const QVariantList& args) {
  for (const Entry& entry : m_entries) {
    if (!SameName(entry.name, name)) continue;
    if (!entry.procedure) return false;
    // A copy: the procedure may register or clear procedures while it runs.
    const TZULProcedure procedure = entry.procedure;
    procedure(sender, args);
    return true;
  }
  return false;
}
