// ItemPlane: a row of the fleet list showing one plane.
//
// Two text lines per row: the plane's name in shared font 1 with its status
// lamp (green while it flies its route, red while it stands still) at the
// right, and the model in shared font 4 below. Selecting the row, or tapping
// it again once selected, runs the row's action, so every tap on a plane
// reaches the screen.
#pragma once

#include "Common/Gui/Controls/ListItem.h"
#include "Wkr/Gui/Callback.h"

#include <string>

class ItemPlane : public ListItem
{
public:
    // `action` is owned and may not be null.
    ItemPlane(const std::string& name, const std::string& model, bool stopped, int32_t planeId,
              Callback* action);
    ~ItemPlane() override;
    ItemPlane(const ItemPlane&) = delete;
    ItemPlane& operator=(const ItemPlane&) = delete;

    int32_t GetRowHeight() const override;
    void Draw(Window* window, int32_t x, int32_t y, int32_t row, int32_t rowHeight) override;
    void OnSelect() override;
    void OnTap(int16_t x, int16_t y) override;
    // The plane's name.
    std::string GetLabel() const override { return _name; }

    const std::string& GetName() const { return _name; }
    int32_t GetPlaneId() const { return _planeId; }
    void SetStopped(bool stopped) { _stopped = stopped; }

    // Releases the shared lamps.
    static void ReleaseLamps();

private:
    std::string _name;
    std::string _model;
    bool _stopped;
    int32_t _planeId;
    Callback* _action;
};
