// What the area hands the layers below: its message tables for the text pass.
#include "areas/message_tables.h"

namespace {

[[maybe_unused]] const bool kEra03HandedIn = RegisterMessageTable(MessageBlock::Era03, Era03MessageTable);
[[maybe_unused]] const bool kEra03CampHandedIn = RegisterMessageTable(MessageBlock::Era03Camp, Era03CampMessageTable);

}  // namespace
