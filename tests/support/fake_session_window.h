#pragma once

#include <string>
#include <vector>

#include "control/session/session.h"

namespace cuedeck::testing {

/// A window that ends and comes forward when the test says so.
class FakeSessionWindow : public SessionWindow
{
public:
    bool ending() const override { return is_ending; }
    void come_forward() override { ++forward; }
    void show_told(const std::string& text) override { told.push_back(text); }
    void open_settings() override {}
    void open_recognizer_settings() override {}
    void open_help() override {}
    void open_about() override {}
    bool is_ending = false;
    int forward = 0;
    std::vector<std::string> told;
};

} // namespace cuedeck::testing
