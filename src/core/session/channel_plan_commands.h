#pragma once

class RadioHost;

// File > Export Channels... and Import Channels...: the channel plan as a
// CSV file. An import shows what it changes and asks first; a file with any
// bad line changes nothing and says which lines, and why.
class ChannelPlanCommands {
public:
    explicit ChannelPlanCommands(RadioHost& host) : host_(host) {}

    void ExportChannels();
    void ImportChannels();

private:
    RadioHost& host_;
};
