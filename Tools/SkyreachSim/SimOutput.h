// SimOutput: how skyreach-sim prints its results.
//
// Every line of output is one record: a kind ("buy", "notice", "plane", ...)
// followed by named values. In text mode a record prints as the kind and
// `name=value` pairs (strings quoted), in JSON mode as one JSON object per
// line with the kind under "kind". Both come from the same record, so the
// two forms always carry the same facts in the same order. Each record is
// flushed as it is printed.
#pragma once

#include "Common/Backend/Time.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

class SimOutput
{
public:
    class Record
    {
    public:
        Record(SimOutput& output, const char* kind);
        ~Record();
        Record(const Record&) = delete;
        Record& operator=(const Record&) = delete;

        Record& Int(const char* name, int64_t value);
        Record& Str(const char* name, const std::string& value);
        Record& Bool(const char* name, bool value);
        // Labelled values: `name=label:value,...` in text, an object in JSON.
        Record& Pairs(const char* name, const std::vector<std::pair<std::string, int64_t>>& values);

    private:
        void Name(const char* name);

        SimOutput& _output;
        std::string _text;
        bool _json;
    };

    SimOutput(FILE* stream, bool json);

    Record Line(const char* kind) { return Record(*this, kind); }
    bool IsJson() const { return _json; }

    // A string as a JSON string literal (also used for quoted text values).
    static std::string Quote(const std::string& value);
    // A game time as "YYYY-MM-DD hh:mm:ss".
    static std::string Date(const Time& time);

private:
    friend class Record;
    void Write(const std::string& text);

    FILE* _stream;
    bool _json;
};
