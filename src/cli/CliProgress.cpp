#include "cli/CliProgress.h"

#include <unistd.h>

bool CliProgress::StderrIsTerminal() {
    return isatty(STDERR_FILENO) == 1;
}
