#pragma once

// The user's choices that outlive a run, with the values a first start uses.
struct StoredChoices {
    int PasteType = 0;    // selected row of the paste-type list, -1 for none
    int ColorValType = 0; // selected text format, -1 for none
    int CbColorPre = 0;   // Tag of the prefix button: 0 prefix on, anything else off
    bool AlwaysOnTop = true;
};
