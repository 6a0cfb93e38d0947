#pragma once
// Pairs BeginProgress with EndProgress for the lifetime of a scope, also when the
// operation unwinds by an exception (a cancellation included).

#include <QString>

class TProgressScope {
public:
  TProgressScope(const QString& caption, const QString& text, bool cancelAllowed = false, int percent = 0,
                 bool showPercent = true);
  ~TProgressScope();
  TProgressScope(const TProgressScope&) = delete;
  TProgressScope& operator=(const TProgressScope&) = delete;

  // Ends the level now (raising like EndProgress); the destructor then does nothing.
  void End();

private:
  bool m_open = true;
};
