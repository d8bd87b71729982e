// Command handlers of the main window whose windows and dialogs are still to come. Each tells
// the user that the function is not available yet, so no command fails silently; each is
// replaced by its real handler as that part of the program arrives.
#pragma once

