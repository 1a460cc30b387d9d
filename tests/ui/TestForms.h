// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/Form.h"
#include "ui/Program.h"
#include "ui/Timer.h"
#include "ui/Vocabulary.h"

#include <functional>

// Small windows that exercise the window layer; each records which of its handlers ran.
class ProbeForm : public ui::Form {
    Q_OBJECT
public:
    explicit ProbeForm(const QString &name = QStringLiteral("ProbeForm"))
        : Form(name)
    {
    }

    // clang-format off
    UI_CONTROL(lblCaption, label().caption("design caption").at(120, 120, 3000, 600).font(arial(9.75).bold()));
    UI_CONTROL(cmdGo, button().caption("Go").at(3240, 120, 1200, 400).back(yellow).defaultButton().tabIndex(1));
    UI_CONTROL(cmdCancel, button().caption("Cancel").at(3240, 600, 1200, 400).cancelButton().tabIndex(2));
    UI_CONTROL(txtName, textBox().at(120, 840, 2000, 300).tabIndex(0));
    UI_CONTROL(fraGroup, frame().caption("Group").at(120, 1300, 2400, 1200));
    UI_CONTROL(optA, optionButton().in(fraGroup).caption("A").at(120, 300, 1000, 300));
    UI_CONTROL(optB, optionButton().in(fraGroup).caption("B").at(120, 700, 1000, 300));
    UI_CONTROL(tmrTick, timer().interval(1).disabled());
    UI_CONTROL(picStone, ui::Rows<ui::PictureBox>({ pictureBox().element(0).at(2700, 1300, 1000, 1000).back(red),
                                                    pictureBox().element(1).at(3900, 1300, 1000, 1000).back(green) }));
    UI_CONTROL(imgMarker, ui::Rows<ui::Image>({ image().element(0).in(picStone, 0).at(0, 0, 480, 480).picture(":/icons/bicycle32.png").stretch()
                                                    .dragIcon(":/icons/bicycle32.png").tag("BICYCLE") }));
    UI_CONTROL(mnuFile, topMenu("File"));
    UI_CONTROL(mnuQuit, menuItem("Quit").in(mnuFile));
    // clang-format on

    // Variables of the window: they survive unloads.
    int counter = 0;
    int loads = 0, unloads = 0, activations = 0, goClicks = 0, cancelClicks = 0, ticks = 0, optAClicks = 0;
    QList<std::pair<int, QString>> drops;
    std::function<void()> onGo;
    std::function<void()> onUnload;

protected:
    ui::FormDesign formDesign() const override
    {
        ui::FormDesign f;
        f.caption = objectName();
        f.clientWidth = 6000;
        f.clientHeight = 4000;
        f.centred = true;
        return f;
    }
    void wire() override
    {
        handle(cmdGo(), &ui::Button::Click, [this] {
            ++goClicks;
            if (onGo)
                onGo();
        });
        handle(cmdCancel(), &ui::Button::Click, [this] { ++cancelClicks; });
        handle(tmrTick(), &ui::Timer::Tick, [this] { ++ticks; });
        handle(optA(), &ui::OptionButton::Click, [this] { ++optAClicks; });
        for (int i = 0; i < 2; ++i) {
            handle(picStone(i), &ui::PictureBox::DragDrop, [this, i](ui::ControlBase *source, double, double) {
                drops.append({ i, source->Tag() });
            });
        }
    }
    void Form_Load() override { ++loads; }
    void Form_Unload(std::int16_t &) override
    {
        ++unloads;
        unload(); // already under way: does nothing more
        if (onUnload)
            onUnload();
    }
    void Form_Activate() override { ++activations; }
};

class OtherForm : public ProbeForm {
    Q_OBJECT
public:
    OtherForm()
        : ProbeForm(QStringLiteral("OtherForm"))
    {
    }
};

class ThirdForm : public ProbeForm {
    Q_OBJECT
public:
    ThirdForm()
        : ProbeForm(QStringLiteral("ThirdForm"))
    {
    }
};
