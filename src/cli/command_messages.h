#pragma once
// How the command line speaks: errors on standard error, one line each after the program's
// name, warnings in the English text of the same Language.ini as the windows.

#include "cli/camera_session.h"
#include "cli/command_line_options.h"
#include "config/warning.h"

#include <QString>
#include <QTextStream>

namespace vistrel {

// The English text of the warning's key, or its fixed text. A key the language file lacks
// prints as the key itself, so that the message still says what went wrong.
QString englishText(const Warning& warning);

// "vistrel-finder: message" on one line.
void reportError(QTextStream& err, const QString& message);
void reportError(QTextStream& err, const Warning& warning);

// Every --interface name is one of this computer's interfaces: kExitDone. Otherwise a usage
// error that names the unknown ones and the interfaces there are.
int checkInterfaceNames(const CommandLine& line, QTextStream& err);

// The port cannot be had: says why and gives the exit status.
int reportPortUnavailable(const QString& reason, QTextStream& err);

// The camera did not answer the search, or sent no settings, within the wait: says which and
// gives the exit status.
int reportReadFailure(ReadingOutcome outcome, const CommandLine& line, QTextStream& err);

} // namespace vistrel
