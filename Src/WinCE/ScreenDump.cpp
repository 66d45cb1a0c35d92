#include "WinCE/ScreenDump.h"

#include <cstdio>

namespace
{
std::string Quote(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text)
    {
        const unsigned char u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\')
        {
            out += '\\';
            out += c;
        }
        else if (u < 0x20)
        {
            char escaped[8];
            std::snprintf(escaped, sizeof(escaped), "\\u%04x", u);
            out += escaped;
        }
        else if (u >= 0x80)
        {
            // Game strings are 8-bit Latin-1; JSON wants UTF-8.
            out += static_cast<char>(0xC0 | (u >> 6));
            out += static_cast<char>(0x80 | (u & 0x3F));
        }
        else
            out += c;
    }
    return out + "\"";
}

std::string BoxJson(const ScreenDump::Box& box)
{
    // Appended piece by piece: GCC 12 reports a false overlap in Release
    // builds for a literal followed by strings (-Wrestrict).
    std::string json = "[";
    json += std::to_string(box.x);
    json += ", ";
    json += std::to_string(box.y);
    json += ", ";
    json += std::to_string(box.width);
    json += ", ";
    json += std::to_string(box.height);
    json += "]";
    return json;
}

const char* Bool(bool value)
{
    return value ? "true" : "false";
}
} // namespace

int32_t ScreenDump::ListFor(const void* key)
{
    for (size_t i = 0; i < lists.size(); ++i)
    {
        if (lists[i].key == key)
            return static_cast<int32_t>(i);
    }
    List list;
    list.key = key;
    lists.push_back(list);
    return static_cast<int32_t>(lists.size() - 1);
}

std::string ScreenDump::ToJson() const
{
    std::string out = "{\n";
    out += "  \"screen\": " + std::to_string(screen) + ",\n";
    out += "  \"form\": " + Quote(form) + ",\n";
    out += "  \"title\": " + Quote(title) + ",\n";
    out += "  \"origin\": [" + std::to_string(originX) + ", " + std::to_string(originY) + "],\n";
    out += "  \"texts\": [";
    for (size_t i = 0; i < texts.size(); ++i)
    {
        const Text& t = texts[i];
        out += std::string(i ? ",\n" : "\n") + "    {\"x\": " + std::to_string(t.x) + ", \"y\": " +
               std::to_string(t.y) + ", \"font\": " + Quote(t.font) + ", \"text\": " + Quote(t.text) + "}";
    }
    out += texts.empty() ? "],\n" : "\n  ],\n";
    out += "  \"buttons\": [";
    for (size_t i = 0; i < buttons.size(); ++i)
    {
        const Button& b = buttons[i];
        out += std::string(i ? ",\n" : "\n") + "    {\"bitmap\": " + Quote(b.bitmap) +
               ", \"x\": " + std::to_string(b.x) + ", \"y\": " + std::to_string(b.y) +
               ", \"width\": " + std::to_string(b.width) + ", \"height\": " + std::to_string(b.height) +
               ", \"enabled\": " + Bool(b.enabled) + ", \"checked\": " + Bool(b.checked) + "}";
    }
    out += buttons.empty() ? "],\n" : "\n  ],\n";
    out += "  \"items\": [";
    for (size_t i = 0; i < items.size(); ++i)
    {
        const Item& it = items[i];
        out += std::string(i ? ",\n" : "\n") + "    {\"label\": " + Quote(it.label) +
               ", \"list\": " + std::to_string(it.list) + ", \"index\": " + std::to_string(it.index) +
               ", \"selected\": " + (it.selected ? "true" : "false") + ", \"x\": " + std::to_string(it.x) +
               ", \"y\": " + std::to_string(it.y) + ", \"width\": " + std::to_string(it.width) +
               ", \"height\": " + std::to_string(it.height) + "}";
    }
    out += items.empty() ? "],\n" : "\n  ],\n";
    out += "  \"lists\": [";
    for (size_t i = 0; i < lists.size(); ++i)
    {
        const List& l = lists[i];
        out += std::string(i ? ",\n" : "\n") + "    {\"kind\": " + Quote(l.kind) +
               ", \"box\": " + BoxJson(l.box) + ", \"count\": " + std::to_string(l.count) +
               ", \"first\": " + std::to_string(l.first) + ", \"rows\": " + std::to_string(l.rows) +
               ", \"open\": " + Bool(l.open) + ", \"scrollBar\": ";
        if (l.scrollBar)
            out += std::string("{\"active\": ") + Bool(l.scrollActive) + ", \"up\": " + BoxJson(l.up) +
                   ", \"down\": " + BoxJson(l.down) + ", \"track\": " + BoxJson(l.track) +
                   ", \"thumb\": " + BoxJson(l.thumb) + "}}";
        else
            out += "null}";
    }
    out += lists.empty() ? "],\n" : "\n  ],\n";
    out += "  \"topBar\": {\"shown\": " + std::string(topBar.shown ? "true" : "false") +
           ", \"cash\": " + std::to_string(topBar.cash) + ", \"date\": " + Quote(topBar.date) +
           ", \"lamps\": " + std::to_string(topBar.lamps) + "}\n";
    out += "}\n";
    return out;
}
