// ScreenFactory: builds the game screen of a number.
//
// One table, in number order, names the screen class that each number (or
// range of numbers sharing a class) builds; the navigation form asks it for
// every change of screen. Numbers without a row build nothing: the main
// menu (0), the ends that only return to it (37, 44) and any number outside
// the table, which the navigation form turns into the main menu.
#pragma once

#include <cstdint>

class SRForm;

class ScreenFactory
{
public:
    struct Row
    {
        int32_t first;
        int32_t last;
        // The class the row builds, as a reader of the table knows it.
        const char* screen;
        SRForm* (*build)(int32_t number);
    };

    // The screen for `number`, shown by the caller; null when the number
    // builds nothing.
    static SRForm* Build(int32_t number);
    // How many screens have been built in this process, for the benchmarks.
    static int64_t BuiltTotal();
    // The row that covers `number`, or null.
    static const Row* Find(int32_t number);
};
