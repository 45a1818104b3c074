"""Adding and changing graphs on the side-panel pages, as a user does it with the mouse and the
keyboard: the new-graph chooser, the function, parametric and inequality pages, and what the graph
list shows and Default.wsp keeps afterwards."""

import math

import pytest

from orvane import centre, list_button, near, project

MAGENTA = (255, 0, 255)
STILL_VIEW = {"mode": 0, "angles": [0, 0, 0], "speeds": [0, 0, 0], "position": [0, 0, 0],
              "ranges": [-10, 10, -10, 10, -10, 10]}

# Control ids of the pages.
CONFIRM, CANCEL, RETURN, CHOOSE_COLOUR, SWATCH = 1003, 1039, 1010, 1004, 1017
ADD_X, ADD_Y, ADD_PARAMETRIC, ADD_INEQUALITY = 1004, 1005, 1008, 1009
NAME, EXPRESSION, START, END, EXPRESSION_LABEL, DOMAIN_LABEL, FORM_Y, FORM_X = (
    1013, 1014, 1015, 1016, 1020, 1021, 1023, 1024)
X_EXPRESSION, Y_EXPRESSION, Z_EXPRESSION = 1035, 1018, 1019
X_START, X_END, Y_START, Y_END, HIGH, MEDIUM, LOW = 1036, 1037, 1018, 1019, 1032, 1033, 1034
ROW_HEIGHT = 17


def function(name, text, colour="#ff00ff", **fields):
    return dict({"name": name, "text": text, "lower": -8, "upper": 8, "colour": colour}, **fields)


def workspace(functions=(), parametrics=(), inequalities=()):
    return {"functions": list(functions), "parametrics": list(parametrics),
            "inequalities": list(inequalities), "view": STILL_VIEW}


def row_centre(row):
    return 650, 52 + ROW_HEIGHT * row + ROW_HEIGHT // 2


def open_list_menu_item(run, downs, row=0):
    """Picks an item of the graph list's pop-up menu, opened on a row, by its place."""
    run.click(*row_centre(row), button=3)
    for _ in range(downs):
        run.xkey("Down")
    run.xkey("Return")


def test_adding_a_y_function_through_the_chooser(orvane):
    run = orvane(workspace([function("FA", "x/2"), function("FC", "0-x/2", "#ffff00")])).start()
    run.click(*list_button(0))
    chooser = run.page()
    assert chooser.title() == "〖添加新的图像〗"
    assert [chooser.control(i)["visible"] for i in (ADD_Y, ADD_X, ADD_PARAMETRIC, ADD_INEQUALITY)] == [
        True, True, True, False]

    run.click(*centre(chooser.rect_of(ADD_Y)))
    page = run.page()  # the chooser is hidden: one page only
    assert page.title() == "〖添加函数图像〗"
    assert [page.text(i) for i in (NAME, EXPRESSION, START, END, EXPRESSION_LABEL, DOMAIN_LABEL)] == [
        "FB", "", "-10", "10", "y=", "x"]
    assert (page.checked(FORM_Y), page.checked(FORM_X)) == (True, False)
    run.type_into(page.rect_of(EXPRESSION), "x/4+1")
    swatch = run.screenshot().getpixel(centre(page.rect_of(SWATCH)))
    run.click(*centre(page.rect_of(CONFIRM)))
    assert run.shown_pages() == []
    assert run.rows() == ["FA:y=x/2", "FC:y=0-x/2", "FB:y=x/4+1"]

    # The picture follows on F5, in the colour the swatch showed.
    points = [project((x, x / 4 + 1, 0), STILL_VIEW) for x in (-8, -4, 3, 7)]
    if max(swatch) > 100:  # a random colour too dark to tell from the background proves nothing
        assert not any(near(run.screenshot(), p, swatch, radius=1, tolerance=12) for p in points)
        run.key("F5")
        shot = run.screenshot()
        assert all(near(shot, p, swatch, radius=2, tolerance=12) for p in points)
    assert run.close() == 0
    added = run.saved_workspace()["functions"][2]
    assert (added["name"], added["text"], added["lower"], added["upper"], added["form"], added["hidden"]) == (
        "FB", "x/4+1", -10, 10, 0, 0)
    colour = added["colour"]  # 0x00BBGGRR
    assert (colour & 255, colour >> 8 & 255, colour >> 16 & 255) == pytest.approx(swatch, abs=2)


def test_adding_an_x_function_from_the_menu_and_switching_its_form(orvane):
    run = orvane(workspace([function("FA", "x/2")])).start()
    open_list_menu_item(run, 2)  # "添加X=型函数"
    page = run.page()
    assert (page.checked(FORM_Y), page.checked(FORM_X)) == (False, True)
    assert (page.text(EXPRESSION_LABEL), page.text(DOMAIN_LABEL)) == ("x=", "y")
    run.type_into(page.rect_of(EXPRESSION), "y^2/10")
    run.type_into(page.rect_of(START), "abc")
    run.type_into(page.rect_of(END), "1e2")
    # The form switches the labels at once and leaves the typed texts alone.
    run.click(*centre(page.rect_of(FORM_Y)))
    page = run.page()
    assert (page.text(EXPRESSION_LABEL), page.text(DOMAIN_LABEL), page.text(EXPRESSION)) == ("y=", "x", "y^2/10")
    run.click(*centre(page.rect_of(FORM_X)))
    run.click(*centre(run.page().rect_of(CONFIRM)))
    assert run.rows() == ["FA:y=x/2", "FB:x=y^2/10"]
    assert run.close() == 0
    added = run.saved_workspace()["functions"][1]
    assert (added["form"], added["lower"], added["upper"]) == (1, 0, 100)


def test_adding_a_parametric_equation(orvane):
    run = orvane(workspace()).start()
    run.click(*list_button(0))
    run.click(*centre(run.page().rect_of(ADD_PARAMETRIC)))
    page = run.page()
    assert page.title() == "〖添加参数方程图像〗"
    assert [page.text(i) for i in (NAME, X_EXPRESSION, Y_EXPRESSION, Z_EXPRESSION, START, END)] == [
        "EA", "", "", "", "-10", "10"]
    # A '&' typed into a box is not taken: it would split the equation's text.
    for box, text in ((X_EXPRESSION, "3*co&st"), (Y_EXPRESSION, "3*sint&"), (Z_EXPRESSION, "&0")):
        run.type_into(page.rect_of(box), text)
    page = run.page()
    assert [page.text(i) for i in (X_EXPRESSION, Y_EXPRESSION, Z_EXPRESSION)] == ["3*cost", "3*sint", "0"]
    run.click(*centre(page.rect_of(CONFIRM)))
    assert run.rows() == ["EA:x=3*cost&&y=3*sint&&z=0"]
    assert run.close() == 0
    assert run.saved_workspace()["parametrics"][0]["text"] == "3*cost&3*sint&0"


def test_the_blank_area_of_the_chooser_opens_the_inequality_page(orvane):
    run = orvane(workspace()).start()
    run.click(*list_button(0))
    run.click(*centre(run.page().rect_of(ADD_INEQUALITY)))  # nothing is drawn there
    page = run.page()
    assert page.title() == "〖添加不等式组图像〗"
    assert [page.text(i) for i in (NAME, X_START, X_END, Y_START, Y_END)] == ["IA", "-10", "10", "-10", "10"]
    assert [page.checked(i) for i in (HIGH, MEDIUM, LOW)] == [False, True, False]
    run.type_into(page.rect_of(EXPRESSION), "x>0&y>0")
    run.click(*centre(page.rect_of(LOW)))
    run.click(*centre(page.rect_of(CONFIRM)))
    assert run.rows() == ["IA:x>0&&y>0"]  # every '&' shows as typed
    assert not run.windows_named("^提示$")

    # A text that cannot be read is stored all the same, and the user is told.
    run.click(*row_centre(0))
    run.click(*list_button(1))
    run.type_into(run.page().rect_of(EXPRESSION), "x<")
    run.click(*centre(run.page().rect_of(CONFIRM)))
    run.wait_for(lambda shot: run.windows_named("^提示$"), "the box")
    assert run.box_texts("提示") == ["不等式组的格式无法识别，这个不等式组不会被画出。"]
    run.answer("^提示$")
    assert run.shown_pages() == []
    assert run.rows() == ["IA:x<"]
    assert run.close() == 0
    group = run.saved_workspace()["inequalities"][0]
    assert (group["name"], group["text"], group["precision"]) == ("IA", "x<", 2)


def test_modifying_keeps_the_graphs_place_its_hidden_flag_and_its_stored_texts(orvane):
    long_text = "x+" * 101 + "abc"  # 205 characters, more than the box lets a user type
    document = workspace([function("FA", "x/2", hidden=1),
                          function("FB", long_text, form=1, lower=3.14159265, upper=1234567)],
                         [{"name": "EA", "text": "a&b", "lower": 0, "upper": 6.5, "colour": "#00ffff"}])
    run = orvane(document).start()
    run.click(*row_centre(0))
    run.click(*list_button(1))
    page = run.page()
    assert [page.text(i) for i in (NAME, EXPRESSION, START, END)] == ["FA", "x/2", "-8", "8"]
    run.type_into(page.rect_of(EXPRESSION), "x/3")
    run.click(*centre(page.rect_of(CONFIRM)))
    assert run.rows()[0] == "FA:y=x/3&"  # still first, still hidden

    # Unchanged, a record comes back whole: the long text, its own form, the equation's pieces.
    open_list_menu_item(run, 5, row=1)  # "修改当前图像", after the hide entry
    page = run.page()
    assert (page.checked(FORM_Y), page.checked(FORM_X), page.text(EXPRESSION)) == (False, True, long_text)
    run.click(*centre(page.rect_of(CONFIRM)))
    run.click(*row_centre(2))
    run.click(*list_button(1))
    page = run.page()
    assert [page.text(i) for i in (X_EXPRESSION, Y_EXPRESSION, Z_EXPRESSION, START, END)] == [
        "a", "b", "", "0", "6.5"]
    run.click(*centre(page.rect_of(CONFIRM)))
    assert run.close() == 0
    saved = run.saved_workspace()
    assert [(f["name"], f["text"], f["hidden"], f["form"]) for f in saved["functions"]] == [
        ("FA", "x/3", 1, 0), ("FB", long_text, 0, 1)]
    # Its domain was shown as 3.14159 to 1.23457e+06 and comes back whole.
    assert (saved["functions"][1]["lower"], saved["functions"][1]["upper"]) == (3.14159265, 1234567)
    assert saved["parametrics"][0]["text"] == "a&b&"


def test_cancel_stores_nothing_and_modify_without_a_selection_opens_nothing(orvane):
    document = workspace([function("FA", "x/2")])
    run = orvane(document).start()
    run.click(*list_button(1))  # no row selected
    assert run.shown_pages() == []
    run.click(*list_button(0))
    run.click(*centre(run.page().rect_of(ADD_Y)))
    page = run.page()
    run.type_into(page.rect_of(EXPRESSION), "x^3")
    run.click(*centre(page.rect_of(CANCEL)))
    assert run.shown_pages() == []
    assert run.rows() == ["FA:y=x/2"]
    # The chooser's return button leaves no page shown.
    run.click(*list_button(0))
    run.click(*centre(run.page().rect_of(RETURN)))
    assert run.shown_pages() == []
    assert run.close() == 0
    assert [f["text"] for f in run.saved_workspace()["functions"]] == ["x/2"]


def test_a_row_removed_while_a_modify_page_is_open_changes_no_other_record(orvane):
    run = orvane(workspace([function("FA", "x/2"), function("FB", "x"), function("FC", "x^2")])).start()
    run.click(*row_centre(1))
    run.click(*list_button(1))
    page = run.page()
    assert page.text(NAME) == "FB"
    # The page covers the list. A click on the plot brings the keyboard back to the list, which
    # had it: Up selects FA, Delete removes it.
    run.click(250, 300)
    run.xkey("Up")
    run.xkey("Delete")
    assert run.rows() == ["FB:y=x", "FC:y=x^2"]
    run.type_into(page.rect_of(EXPRESSION), "x^3")
    run.click(*centre(page.rect_of(CONFIRM)))
    # FB is no longer where the page found it: the edit is added, and FC is untouched.
    assert run.rows() == ["FB:y=x", "FC:y=x^2", "FB:y=x^3"]
    assert run.close() == 0
    assert [f["text"] for f in run.saved_workspace()["functions"]] == ["x", "x^2", "x^3"]


def test_tab_moves_between_the_fields_and_enter_and_escape_do_no_harm(orvane):
    run = orvane(workspace()).start()
    open_list_menu_item(run, 1)  # "添加Y=型函数"
    page = run.page()
    run.click(*centre(page.rect_of(NAME)))
    assert run.page().control(NAME)["focused"]
    run.xkey("Tab")
    assert run.page().control(EXPRESSION)["focused"]
    run.xkey("x")
    run.xkey("Tab")
    assert run.page().control(START)["focused"]
    run.xkey("shift+Tab")
    assert run.page().control(EXPRESSION)["focused"]
    run.xkey("Return")
    run.xkey("Escape")
    assert run.running()
    page = run.page()
    assert page.text(EXPRESSION) == "x"
    assert run.rows() == []
    run.click(*centre(page.rect_of(CONFIRM)))
    assert run.rows() == ["FA:y=x"]
    assert run.close() == 0


@pytest.mark.parametrize("opening", ["chooser", "function", "parametric", "inequality"])
def test_each_page_lies_over_the_right_part_and_its_controls_do_not_overlap(orvane, opening):
    run = orvane(workspace([function("FA", "x/2")])).start()
    if opening == "function":
        run.click(*row_centre(0))
        run.click(*list_button(1))  # opened by the application, owned by the main window
    else:
        run.click(*list_button(0))
        chooser = run.page()
        if opening != "chooser":  # opened by the chooser, owned by its window
            button = {"parametric": ADD_PARAMETRIC, "inequality": ADD_INEQUALITY}[opening]
            run.click(*centre(chooser.rect_of(button)))
    page = run.page()
    page.check_layout()
    run.close()


def test_with_26_functions_the_page_opens_empty_and_still_stores_what_is_typed(orvane):
    names = [f"F{chr(ord('A') + i)}" for i in range(26)]
    run = orvane(workspace([function(name, "x") for name in names])).start()
    open_list_menu_item(run, 1)  # "添加Y=型函数"
    page = run.page()
    assert [page.text(i) for i in (NAME, EXPRESSION, START, END)] == ["", "", "0", "0"]
    swatch = run.screenshot().getpixel(centre(page.rect_of(SWATCH)))
    assert max(swatch) < 30  # black
    run.type_into(page.rect_of(NAME), "FA")  # a name already taken is stored as typed
    run.type_into(page.rect_of(EXPRESSION), "x+1")
    run.click(*centre(page.rect_of(CONFIRM)))
    assert run.close() == 0
    added = run.saved_workspace()["functions"][26]
    assert (added["name"], added["text"], added["lower"], added["upper"]) == ("FA", "x+1", 0, 0)


def test_an_inequality_group_draws_its_region(orvane):
    groups = [{"name": "IA", "text": "x^2+y^2<=9", "precision": 2, "colour": "#ff00ff"},
              {"name": "IB", "text": "x>0", "precision": 2, "colour": "#00ffff", "hidden": 1},
              {"name": "IC", "text": "x<", "precision": 2, "colour": "#ffff00"}]
    run = orvane(workspace(inequalities=groups)).start()
    run.key("F5")
    shot = run.screenshot()
    # The disc's grid points, 0.4 apart from -9.8: one pixel each, in the group's colour.
    lattice = [-9.8 + 0.4 * k for k in range(50)]
    inside = [(x, y) for x in lattice for y in lattice if x * x + y * y <= 9]
    assert all(near(shot, project((x, y, 0), STILL_VIEW), MAGENTA, radius=1, tolerance=10) for x, y in inside)
    # Nothing outside it; the hidden group and the one that cannot be read draw nothing.
    # The plot squeezes the window's 4:3 projection into a square: a unit is wider up than across.
    centre_x, centre_y = project((0, 0, 0), STILL_VIEW)
    across = project((1, 0, 0), STILL_VIEW)[0] - centre_x
    up = centre_y - project((0, 1, 0), STILL_VIEW)[1]
    for px in range(0, 500):
        for py in range(50, 550):
            pixel = shot.getpixel((px, py))
            if pixel == MAGENTA:
                assert math.hypot((px - centre_x) / across, (py - centre_y) / up) <= 3.1, (px, py)
            assert pixel not in ((0, 255, 255), (255, 255, 0)), (px, py)
    assert run.running()
    assert run.close() == 0
