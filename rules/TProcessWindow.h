#pragma once
// A process window as the launching procedures see it: built by the factory its
// process registered, with what the launcher hands it, shown modally once and then
// freed.

#include "platform/core/DayDate.h"

class TDBGrid;

// What a launcher hands the window it opens.
struct TProcessLaunch {
  TDBGrid* grid = nullptr;  // invoice generation and invoice actions: the calling grid
  TDateTime date = 0;       // attendance: the date the absences are entered for
  int enrolment = 0;        // attendance: the enrolment (IDMatriculaT02)
  bool removing = false;    // attendance: removing absences instead of adding them
};

class TProcessWindow {
public:
  virtual ~TProcessWindow() = default;
  // Shows the window modally; true when it closed with OK.
  virtual bool ShowModal() = 0;
};
