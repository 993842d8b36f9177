// The area message tables as rows: for every value of a channel, who speaks
// each line it draws (the code of the speaker whose label opens the line, "+"
// for a line without a label), where the line stands and in which font. A
// test states the rows the scenes are written against; the fixture draws
// every value of every channel through the text pass and compares.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string>
#include <vector>

#include "text/text_fixture.h"
#include "text/text_state.h"

using Channel = std::int32_t DialogueChannelsRecord::*;

struct RowLine {
    std::string speaker;
    int x = 210, y = 700, font = 6;
};

// A speaker's label, exactly as it opens a line (blanks, colon and the blank
// after it included), and the speaker's code; limited to the values from..to
// of one channel when a channel is given.
struct SpeakerLabel {
    const char* opening;
    const char* code;
    Channel channel = nullptr;
    std::int32_t from = 0, to = std::numeric_limits<std::int32_t>::max();
};

// A channel and the last value to draw: every value 1..last is drawn.
struct ChannelSweep {
    Channel channel;
    const char* name;
    std::int32_t last;
};

class MessageRowsTest : public TextScreenTest {
protected:
    // The stage phase with only this area active. No stage step runs between
    // the frames, so no scene moves a channel on before it is drawn.
    void BeginArea(std::int32_t& areaFlag);

    // The rows of one value (empty: the value shows nothing).
    std::vector<RowLine>& Rows(Channel channel, std::int32_t value);
    // First lines, one value after another from `from`: each blank-separated
    // code of `speakers` speaks the first line of its value at (x, y).
    void Run(Channel channel, std::int32_t from, const std::string& speakers, int x = 210, int y = 700);
    // A line under the first line of each value: "+" continues it unlabelled
    // at (x, 725) in the first line's font; a code is that speaker's own line.
    void Under(Channel channel, std::initializer_list<std::int32_t> values, const std::string& speaker,
               int x = 210);
    // The font a speaker's lines use unless a row says otherwise.
    virtual int UsualFont(Channel, const std::string&) const { return 6; }

    // Draws every value of every sweep and compares speakers, places and
    // fonts with the rows; a value without rows must draw nothing. Lines at
    // y 545 are white, all others black.
    void ExpectRows(const std::vector<SpeakerLabel>& labels, const std::vector<ChannelSweep>& sweeps);
    // The lines drawn for one value, upper first.
    std::vector<plat::headless::TextDrawRecord> LinesOf(Channel channel, std::int32_t value);
    // Values a and b draw the same first line (b adds its second line).
    void ExpectSameFirstLine(Channel channel, std::int32_t a, std::int32_t b);
    // The text of line `index` of a value.
    std::string TextOf(Channel channel, std::int32_t value, std::size_t index);

private:
    struct ValueRows {
        Channel channel;
        std::int32_t value;
        std::vector<RowLine> lines;
    };
    std::vector<ValueRows> rows_;
};
