#pragma once

#include <QDate>
#include <QDialog>
#include <QTime>
#include <QUrl>
#include <memory>
#include <optional>
#include <vector>

#include "core/atlas/atlas_fill.h"
#include "gui/windows/place_search.h"
#include "core/atlas/atlas_file.h"
#include "core/atlas/atlas_search.h"

class Desktop;
namespace Ui {
class frmAtlas;
}

// The offline atlas: the places that answer the typed city, with their
// coordinates and their zone's offset at the birth date and clock time.
// "Use this place" (or a double-click) keeps the chosen row's boxes for the
// main window to write; "Close" keeps nothing; "Search the web" opens the
// web search for places the atlas does not hold, and needs all three boxes
// for it. Created for each search.
class frmAtlas : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmAtlas)

public:
    // `atlas` may hold the reason the atlas could not be read instead: the
    // window then says so and offers the web search.
    frmAtlas(Desktop& desktop, const zorvane::AtlasOrError& atlas,
             const zorvane::TypedPlace& typed, QDate birthDate, QTime clockTime, QUrl webSearch,
             QWidget* parent = nullptr);
    ~frmAtlas() override;

    // What to write into the main window; empty unless a place was used.
    const std::optional<zorvane::PlaceBoxes>& ChosenPlace() const { return chosen_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load(const zorvane::AtlasOrError& atlas);
    void ShowHeading(const zorvane::AtlasMatches& matches);
    void lstPlaces_DblClick();
    void cmdUse_Click();
    void cmdWeb_Click();
    void cmdClose_Click();
    int SelectedRow() const;

    std::unique_ptr<Ui::frmAtlas> ui;
    Desktop& desktop_;
    zorvane::TypedPlace typed_;
    QDate birthDate_;
    QTime clockTime_;
    QUrl webSearch_;
    std::vector<zorvane::PlaceBoxes> rowBoxes_;  // one per row of the list
    std::optional<zorvane::PlaceBoxes> chosen_;
};
