#pragma once
// Command-line options that describe one camera without a scenario file, read through the same
// checks as a scenario's cameras.

#include "camsim/scenario_reader.h"

#include <QCommandLineParser>

namespace vistrel::camsim {

void addQuickCameraOptions(QCommandLineParser& parser);

// True when any of the quick-camera options was given.
bool quickCameraRequested(const QCommandLineParser& parser);

// The camera the options describe; options not given keep the scenario defaults.
ScenarioReading quickCamera(const QCommandLineParser& parser);

} // namespace vistrel::camsim
