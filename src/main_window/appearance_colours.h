#pragma once

// The colour fields of the settings and the elements each one paints.

#include <string_view>

#include "ui/form.h"

namespace kelvara {

class MainWindow;

// The elements one colour field paints.
enum class ColourGroup { kDate, kTime, kCpu, kRam, kDiskBusy, kFreeSpace, kPageFile };

// Paints the group when the text is a colour; otherwise every element keeps
// its colour. An empty text is not a colour either.
void ApplyColourField(MainWindow& window, std::string_view text, ColourGroup group);
// Every group, in the order date, time, CPU, RAM, disk busy, free space,
// page file.
void ApplyColourToAll(MainWindow& window, std::string_view text);

// A field that names a colour paints `element` (text or line colour); an
// empty one is filled in with the colour it has.
void ApplyOrRecordColour(MainWindow& window, ui::Control& field, ui::Control& element);

}  // namespace kelvara
