#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Strings.h"

TEST(FormatText, NumberedInsertsGoWhereTheirNumberStands) {
    const struct {
        std::wstring format;
        std::vector<std::wstring> inserts;
        std::wstring expected;
    } cases[] = {
        {L"%1 x %2", {L"800", L"600"}, L"800 x 600"},
        {L"%2 before %1", {L"a", L"b"}, L"b before a"},
        {L"%1, %1 and %1", {L"x"}, L"x, x and x"},
        {L"%9", {L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9"}, L"9"},
        // Only one digit is a number: "%10" is the first insert and a zero.
        {L"%10", {L"a"}, L"a0"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatText(c.format, c.inserts), c.expected) << c.format;
}

TEST(FormatText, FormattingPlaceholdersTakeTheInsertsInTurn) {
    const struct {
        std::wstring format;
        std::vector<std::wstring> inserts;
        std::wstring expected;
    } cases[] = {
        {L"Could not change to this display setting.\nError %d",
         {L"-2"},
         L"Could not change to this display setting.\nError -2"},
        {L"Runs %s via Pixmode at a resolution of %dx%d",
         {L"", L"640", L"480"},
         L"Runs  via Pixmode at a resolution of 640x480"},
        {L"%u:%x", {L"7", L"1f"}, L"7:1f"},
        {L"%s%s", {L"1", L"2", L"3"}, L"12"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatText(c.format, c.inserts), c.expected) << c.format;
}

TEST(FormatText, InsertedTextIsNeverReadAsAFormat) {
    // Device names, titles and paths may hold anything.
    EXPECT_EQ(FormatText(L"device '%1'. Error: %2", {L"\\\\.\\%2%d", L"-1"}), L"device '\\\\.\\%2%d'. Error: -1");
    EXPECT_EQ(FormatText(L"Runs %s at %dx%d", {L"C:\\100%done\\%s %u.exe", L"640", L"480"}),
              L"Runs C:\\100%done\\%s %u.exe at 640x480");
    EXPECT_EQ(FormatText(L"%1%1", {L"%1"}), L"%1%1");
}

TEST(FormatText, WhatHasNoInsertStaysAsItIs) {
    const struct {
        std::wstring format;
        std::vector<std::wstring> inserts;
        std::wstring expected;
    } cases[] = {
        {L"%d and %d", {L"%d"}, L"%d and %d"},
        {L"%1 and %2", {L"a"}, L"a and %2"},
        {L"Error %d", {}, L"Error %d"},
        {L"100% %0lX %% %", {L"v"}, L"100% %0lX %% %"},
        {L"%", {L"v"}, L"%"},
        {L"", {L"x"}, L""},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatText(c.format, c.inserts), c.expected) << c.format;
}
