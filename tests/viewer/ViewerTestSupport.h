#pragma once
// Helpers of the viewer's tests: the modal boxes that an action shows (recorded and closed) and
// the program's three forms. The viewer reads its data files from the current folder, which a
// test makes a kit_test::CurrentScratchFolder.
#include <QMessageBox>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CurrentFolder.h"

struct ShownBox {
    std::string Title;
    std::string Text;
    QMessageBox::Icon Icon;
    QMessageBox::StandardButtons Buttons;
};

// Runs the action; every message box that opens meanwhile is recorded and closed with OK. A
// box that would read its text as markup fails the test.
std::vector<ShownBox> BoxesShownBy(const std::function<void()>& action);

// While the action runs, calls `onModal` with each modal widget that becomes active (once per
// widget); the callback must close it.
void WhileModal(const std::function<void()>& action, const std::function<void(QWidget*)>& onModal);

// A meteorological file of two lines: 1980-05-03 hour 1 and 1980-05-03 hour 2.
extern const char* const kMeteoFile;
// An SF6 data file of two experiments: 50380 with hours 2 and 3 and two samplers, 52380 with
// hour 1 and none.
extern const char* const kTwoSamplerSf6File;

// One sampler's record pair of an SF6 data file: line A with its coordinates and hours 1 to 12,
// line B with hours 13 to 24; the value of hour h is `prefix` followed by h.
std::string Sampler(int number, const std::string& x, const std::string& y, const std::string& prefix);

// Creates the program's forms in the current folder and shows the main window; the boxes that
// start-up shows are kept in `startupBoxes`. The unit-level variables start empty.
class ViewerForms {
public:
    ViewerForms();
    ~ViewerForms();
    std::vector<ShownBox> startupBoxes;
};

// Starts the forms on kMeteoFile, written into `folder`, waits until the drawing surface shows,
// and types two samplers into the covered list: one at the edge of the map, one at its centre.
// Start-up must show no box.
void StartWithTwoSamplers(const kit_test::ScratchFolder& folder, std::unique_ptr<ViewerForms>& forms);
