#pragma once

class QWidget;

// Names for assistive technology where a control's label does not give one
// (or gives one that another control has too), and the roles of Jotwell's
// plain windows.
namespace AccessibleNames {

// Registers the interfaces; once per program, any number of calls.
void install();

// Names the controls of one of Jotwell's windows, found by their names.
void apply(QWidget *window);

} // namespace AccessibleNames
