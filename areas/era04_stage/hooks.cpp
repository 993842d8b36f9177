// What the area hands the layers below: its message tables for the text pass.
#include "areas/message_tables.h"

namespace {

[[maybe_unused]] const bool kEra04StageHandedIn = RegisterMessageTable(MessageBlock::Era04Stage, Era04StageMessageTable);

}  // namespace
