#include "App/CodiComu/TProgressScope.h"

#include "App/CodiComu/Progress.h"

TProgressScope::TProgressScope(const QString& caption, const QString& text, bool cancelAllowed, int percent,
                               bool showPercent) {
  BeginProgress(caption, text, cancelAllowed, percent, showPercent);
}

TProgressScope::~TProgressScope() {
  if (!m_open) return;
  try {
    EndProgress();
  } catch (...) {
    // A destructor must not raise; an unbalanced stack was already someone else's fault.
  }
}

void TProgressScope::End() {
  if (!m_open) return;
  m_open = false;
  EndProgress();
}
