// quillmarch_writer's jobs. Each plays the headless game in a fixture of the
// tests' support (a temporary working folder of its own, the game's start
// values) and runs under the test runner, so that a job that does not get
// where it should fails with the words that show where it stuck.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct WriterJobName {
    const char* name;   // as the command line names it
    const char* what;   // one line for `list`
};

// The prepared save slots, in the order `slots` writes them.
const std::vector<WriterJobName>& SlotNames();
// Adds the writing of slot `name` into `file`; false when no slot has that
// name.
bool AddSlotJob(const std::string& name, const std::filesystem::path& file);

// The sets of pictures the headless game draws, in the order `pictures`
// takes them.
const std::vector<WriterJobName>& PictureSetNames();
// Adds the taking of picture set `name` into `folder`; false when no set has
// that name.
bool AddPictureJob(const std::string& name, const std::filesystem::path& folder);

// Adds the storyboard of the whole game into `folder`: the playthrough's road
// played headless, its frames and one contact sheet per area.
void AddStoryboardJob(const std::filesystem::path& folder);
