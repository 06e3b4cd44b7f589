#pragma once

// How far one print has filled its continuation sheets.
struct ContinuationState
{
    int sheetCount = 0;   // last sheet that received a line; 0: no continuation
    int dopStartLine = 0; // line of the continuation text where the next block starts
    int dopLineCount = 0; // lines placed on the sheets so far, blank separators included
};
