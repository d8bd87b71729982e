// Command handlers whose windows and dialogs are still to come: each says so.
#include "dialogs/Pending.h"

#include "model/Messages.h"

