"""What the mouse and the keys do in the main window, checked on the screen and in what the
program keeps: dragging the view, the graph list's menu and keys, the columns' buttons, and
saving the picture."""
import datetime
import re
import time

import pytest
from PIL import Image

from orvane import list_button, mean_colour, near, project, xdotool

MAGENTA = (255, 0, 255)
YELLOW = (255, 255, 0)
HATCH = (0, 0, 70)
SELECTED = (0, 128, 255)  # the azure of the selected row
STILL_VIEW = {"mode": 0, "angles": [20, -30, 0], "speeds": [0, 0, 0], "position": [0, 0, 0],
              "ranges": [-10, 10, -10, 10, -10, 10]}
GRAPHS = {
    "functions": [{"name": "FA", "text": "x/2", "lower": -8, "upper": 8, "colour": "#ff00ff"},
                  {"name": "FB", "text": "0-x/2+3", "lower": -8, "upper": 8, "colour": "#ffff00"}],
    "parametrics": [{"name": "EA", "text": "3*cost&3*sint&0", "lower": 0, "upper": 6.2832, "colour": "#00ffff"}],
}
ROW_HEIGHT = 17


def workspace(**view):
    return dict(GRAPHS, view=dict(STILL_VIEW, **view))


def row_centre(row):
    return 650, 52 + ROW_HEIGHT * row + ROW_HEIGHT // 2


def hatched(shot, row):
    top = 52 + ROW_HEIGHT * row
    return near(shot, (620, top + ROW_HEIGHT // 2), HATCH, radius=8, tolerance=30)


def test_dragging_with_the_left_button_moves_the_picture(orvane):
    run = orvane(workspace()).start()
    run.drag([(250, 300), (260, 290), (275, 275), (290, 260)], buttons=[1])
    moved = dict(STILL_VIEW, position=[1.0, 1.0, 0])
    # The next frame shows it; under load that may take a moment.
    run.wait_for(lambda shot: near(shot, project((-6, -3, 0), moved), MAGENTA), "the moved picture", timeout=5)
    run.quit()
    position = run.saved_workspace()["view"]["position"]
    assert position == pytest.approx([1.0, 1.0, 0], abs=1e-5)


def test_dragging_with_the_right_button_turns_the_view_and_stops_the_spin(orvane):
    run = orvane(workspace(speeds=[0, 5, 0], angles=[170, 0, 0])).start()
    run.drag([(250, 300), (260, 310), (280, 330), (300, 400)], buttons=[3])
    assert not run.menus()  # no menu over the plot
    run.quit()
    view = run.saved_workspace()["view"]
    assert view["speeds"] == [0, 0, 0]
    assert all(-180 <= angle < 180 for angle in view["angles"])
    assert view["angles"][0] == pytest.approx(170 + 10 - 360, abs=1e-4)  # dy = 100 pixels at 0.1


def test_both_buttons_move_the_scene_and_only_over_the_plot(orvane):
    run = orvane(workspace()).start()
    run.drag([(250, 300), (250, 320), (250, 340)], buttons=[1, 3])  # down moves the scene away
    run.drag([(250, 300), (280, 300)], buttons=[1, 3])  # sideways changes nothing
    run.drag([(520, 300), (530, 320), (545, 400)], buttons=[1])  # over the control column
    run.drag([(300, 560), (320, 580)], buttons=[1])  # over the bottom strip
    run.quit()
    assert run.saved_workspace()["view"]["position"] == pytest.approx([0, 0, -1.0], abs=1e-5)


def test_hiding_a_graph_from_the_lists_menu_hatches_its_row_and_f5_removes_its_points(orvane):
    run = orvane(workspace()).start()
    run.click(*row_centre(0))
    run.click(*row_centre(0), button=3)
    run.wait_for(lambda shot: run.menus(), "the menu")
    for _ in range(4):  # the fourth entry, after a separator: hide the current graph
        run.xkey("Down")
    run.xkey("Return")
    shot = run.screenshot()
    assert hatched(shot, 0)
    assert not hatched(shot, 1)
    assert near(shot, project((-6, -3, 0), STILL_VIEW), MAGENTA)  # still drawn until F5
    run.key("F5")
    assert not near(run.screenshot(), project((-6, -3, 0), STILL_VIEW), MAGENTA)
    assert run.close() == 0
    assert [f["hidden"] for f in run.saved_workspace()["functions"]] == [1, 0]


def test_delete_removes_the_selected_row(orvane):
    run = orvane(workspace()).start()
    run.click(*row_centre(1))
    run.xkey("Delete")
    shot = run.screenshot()
    assert near(shot, (557, row_centre(1)[1]), (0, 255, 255), radius=1, tolerance=10)  # EA moved up
    # Escape goes to the list that has the keyboard, and does not end the program.
    run.xkey("Escape")
    assert run.running()
    assert run.close() == 0
    saved = run.saved_workspace()
    assert [f["name"] for f in saved["functions"]] == ["FA"]
    assert [p["name"] for p in saved["parametrics"]] == ["EA"]


def test_the_last_list_button_empties_the_lists_but_not_the_picture(orvane):
    document = workspace()
    document["constants"] = [{"name": "g", "value": 9.8}]
    run = orvane(document).start()
    run.click(775, 55 + 72 * 6 + 25)
    shot = run.screenshot()
    assert mean_colour(shot, (552, 54, 748, 548)) == pytest.approx((64, 64, 64), abs=1)
    assert near(shot, project((-6, -3, 0), STILL_VIEW), MAGENTA)
    run.quit()
    saved = run.saved_workspace()
    assert saved["functions"] == saved["parametrics"] == []
    assert [c["name"] for c in saved["constants"]] == ["g"]


def test_bottom_icons_step_their_presets(orvane):
    run = orvane(workspace()).start()
    run.click(25, 575)   # coordinate system
    run.click(225, 575)  # position
    run.click(375, 575)  # rotation
    run.quit()
    view = run.saved_workspace()["view"]
    # Each cycle goes on from where the program's own start left it, whatever the file said.
    assert (view["mode"], view["position"], view["speeds"]) == (1, [0, 0, 0], [5, 0, 0])


def test_f2_saves_the_plot_area_as_a_picture(orvane):
    run = orvane(workspace()).start()
    screen_before = run.screenshot().crop((0, 50, 500, 550))
    started = datetime.datetime.now()
    run.key("F2")
    run.wait_for(lambda shot: run.windows_named("^OK$"), "the box that says the picture is saved")
    pictures = list(run.folder.glob("*.bmp"))
    assert len(pictures) == 1
    name = pictures[0].name
    saved_at = datetime.datetime.strptime(name, "%H_%M_%S.bmp")
    assert abs((saved_at.hour * 3600 + saved_at.minute * 60 + saved_at.second) -
               (started.hour * 3600 + started.minute * 60 + started.second)) <= 5
    data = pictures[0].read_bytes()
    assert len(data) == 750054 and data[:2] == b"BM"
    picture = Image.open(pictures[0]).convert("RGB")
    assert picture.size == (500, 500)
    assert list(picture.getdata()) == list(screen_before.getdata())
    run.xkey("Return")
    run.quit()


def test_a_picture_never_replaces_a_file(orvane):
    run = orvane(workspace()).start()
    # Older pictures stand where the pictures of the next seconds would go.
    now = datetime.datetime.now()
    older = {}
    for second in range(-2, 12):
        name = (now + datetime.timedelta(seconds=second)).strftime("%H_%M_%S.bmp")
        older[name] = f"picture {second}".encode()
        (run.folder / name).write_bytes(older[name])
    texts = []
    for _ in range(2):  # one more picture in the same second or the next, beside the first
        run.key("F2")
        run.wait_for(lambda shot: run.windows_named("^OK$"), "the box that says the picture is saved")
        texts += run.box_texts("OK")
        run.answer("^OK$")
    run.quit()
    for name, data in older.items():
        assert (run.folder / name).read_bytes() == data
    new = sorted(p.name for p in run.folder.glob("*.bmp") if p.name not in older)
    assert all(re.fullmatch(r"\d\d_\d\d_\d\d-\d+\.bmp", name) for name in new), new
    assert len(new) == 2 and [text.split(" ")[0] for text in texts] == new
    assert all(text.endswith(" 保存完毕!") for text in texts)
    for name in new:
        assert (run.folder / name).stat().st_size == 750054


def test_commands_act_only_on_the_row_selected_now(orvane):
    run = orvane(workspace()).start()
    run.click(*row_centre(0))
    assert run.graph_list()["selected"] == 0
    # Ctrl+click clears the selection: Delete, F4 and the list buttons find no row to act on.
    xdotool("keydown", "ctrl")
    run.click(*row_centre(0))
    xdotool("keyup", "ctrl")
    assert run.graph_list()["selected"] == -1
    run.xkey("Delete")
    run.xkey("F4")
    for button in (1, 2, 3):  # modify, hide, remove
        run.click(*list_button(button))
    assert not run.shown_pages()
    # A click on the empty part of the list clears it too; the menu's commands do nothing then.
    run.click(*row_centre(1))
    run.click(650, 500)
    assert run.graph_list()["selected"] == -1
    for entry in (4, 5, 6):  # hide, modify, remove the current graph (separators are skipped)
        run.click(650, 500, button=3)
        run.wait_for(lambda shot: run.menus(), "the menu")
        for _ in range(entry):
            run.xkey("Down")
        run.xkey("Return")
    assert not run.shown_pages()
    assert run.rows() == ["FA:y=x/2", "FB:y=0-x/2+3", "EA:x=3*cost&&y=3*sint&&z=0"]
    assert run.close() == 0
    saved = run.saved_workspace()
    assert [f["name"] for f in saved["functions"]] == ["FA", "FB"]
    assert [f["hidden"] for f in saved["functions"]] == [0, 0]


def test_every_row_of_a_long_list_can_be_reached(orvane):
    functions = [{"name": f"F{i}", "text": f"x+{i}", "lower": -1, "upper": 1, "colour": "#ff00ff"}
                 for i in range(45)]
    run = orvane(dict(workspace(), functions=functions, parametrics=[])).start()
    state = run.graph_list()
    assert state["verticalBar"] and not state["horizontalBar"]
    assert state["top"] == 0 and state["perPage"] < 45
    run.click(*row_centre(0))
    for _ in range(39):
        run.xkey("Down")
    state = run.graph_list()
    assert state["selected"] == 39
    assert state["top"] <= 39 < state["top"] + state["perPage"]  # the 40th row is in view
    shot = run.screenshot()
    row_y = row_centre(39 - state["top"])[1]
    assert near(shot, (700, row_y), SELECTED, radius=2, tolerance=30)  # drawn selected there
    # It can be clicked: select another row, then the 40th again with the mouse.
    run.xkey("Home")
    run.xkey("End")
    state = run.graph_list()
    assert state["selected"] == 44 and state["top"] + state["perPage"] >= 45
    run.click(700, row_centre(39 - state["top"])[1])
    assert run.graph_list()["selected"] == 39
    run.xkey("Delete")
    assert len(run.rows()) == 44 and "F39:y=x+39" not in run.rows()
    # The wheel scrolls the list back to its first row.
    for _ in range(10):
        xdotool("click", 4)
    time.sleep(0.3)
    assert run.graph_list()["top"] == 0
    assert run.close() == 0
    assert len(run.saved_workspace()["functions"]) == 44
