// Start values of the area's words, written by every data reset.
#include "areas/finale/calls.h"
#include "areas/finale/records.h"


void ResetFinaleArea() {
    FinalSectionState = FinalSectionStateRecord{};
    BossMusicFlag = 0;
}
