"""The settings and information pages, used as a user does: the constants, the coordinate system,
the rotation and the position of the plot, the guide and the about page; what they show, what the
plot does at once and what Default.wsp keeps afterwards."""
import getpass
import math
import struct

import pytest

from orvane import centre, control_button, near, project

MAGENTA = (255, 0, 255)
GUIDE_BUTTON = (342, 25)

# Control ids of the pages.
CONFIRM, CANCEL, RETURN = 1003, 1039, 1010
CONSTANT_LIST, CONSTANT_NAME, CONSTANT_VALUE, ADD_CONSTANT, DELETE_CONSTANT = 1002, 1013, 1014, 1052, 1006
RIGHT_HANDED, PLANE, LEFT_HANDED = 1011, 1012, 1013
RANGE_BOXES = (1033, 1034, 1035, 1036, 1037, 1038)  # x start, x end, y start, ... z end
ROTATION_BOXES = (1034, 1025, 1026, 1035, 1027, 1028)  # angles x, y, z, then speeds x, y, z
ORIGIN_BOXES = (1024, 1023, 1025)
TOPIC_LIST, TOPIC_TEXT = 1002, 1049
USER_NAME, SEND_MAIL, VISIT_WEB = 1027, 1011, 1012


def view(**fields):
    return dict({"mode": 0, "angles": [0, 0, 0], "speeds": [0, 0, 0], "position": [0, 0, 0],
                 "ranges": [-10, 10, -10, 10, -10, 10]}, **fields)


def workspace(view_state, functions=(), constants=()):
    return {"functions": list(functions), "parametrics": [], "inequalities": [], "constants": list(constants),
            "view": view_state}


def first_item(page, list_id):
    """A point on the first item of a list view of the page."""
    left, top, _, _ = page.rect_of(list_id)
    return left + 20, top + 6


def open_about_page(run):
    run.click(*control_button(5))  # the "other" menu, whose first item is "关于"
    run.xkey("Down")
    run.xkey("Return")


def test_constants_are_added_listed_and_deleted(orvane):
    run = orvane(workspace(view())).start()
    run.click(*control_button(6))
    page = run.page()
    assert page.title() == "〖常量管理〗"
    assert page.items(CONSTANT_LIST) == []

    for name, value in (("PI", "3.14159265"), ("e", "2.71828"), ("g", "9.8")):
        run.type_into(page.rect_of(CONSTANT_NAME), name)
        run.type_into(page.rect_of(CONSTANT_VALUE), value)
        run.click(*centre(page.rect_of(ADD_CONSTANT)))
    page = run.page()
    assert page.items(CONSTANT_LIST) == ["PI=3.14159", "e=2.71828", "g=9.8"]
    assert (page.text(CONSTANT_NAME), page.text(CONSTANT_VALUE)) == ("", "")

    # Without a name nothing is added, and the value stays in its box.
    run.type_into(page.rect_of(CONSTANT_VALUE), "5")
    run.click(*centre(page.rect_of(ADD_CONSTANT)))
    page = run.page()
    assert (page.items(CONSTANT_LIST), page.text(CONSTANT_VALUE)) == (["PI=3.14159", "e=2.71828", "g=9.8"], "5")

    # The middle one, selected with the keyboard, is deleted.
    run.click(*first_item(page, CONSTANT_LIST))
    run.xkey("Down")
    assert run.page().selected(CONSTANT_LIST) == 1
    run.click(*centre(page.rect_of(DELETE_CONSTANT)))
    page = run.page()
    assert page.items(CONSTANT_LIST) == ["PI=3.14159", "g=9.8"]

    # A click on the list's empty part selects nothing: delete then deletes nothing.
    left, _, right, bottom = page.rect_of(CONSTANT_LIST)
    run.click(right - 10, bottom - 10)
    assert run.page().selected(CONSTANT_LIST) == -1
    run.click(*centre(page.rect_of(DELETE_CONSTANT)))
    assert run.page().items(CONSTANT_LIST) == ["PI=3.14159", "g=9.8"]

    run.click(*centre(page.rect_of(RETURN)))
    assert run.shown_pages() == []
    assert run.close() == 0
    assert [(c["name"], c["value"]) for c in run.saved_workspace()["constants"]] == [("PI", 3.14159265), ("g", 9.8)]


def test_the_plane_system_applies_at_once_and_valid_ranges_are_kept(orvane):
    turned = view(angles=[30, 40, 0])
    run = orvane(workspace(turned)).start()
    blue = project((0, 0, 4), turned)  # on the blue axis, 40% of the way to its bright end
    blue_colour = (102, 102, 255)
    assert near(run.screenshot(), blue, blue_colour, radius=2)

    run.click(*control_button(1))
    page = run.page()
    assert page.title() == "〖坐标系控制〗"
    assert [page.text(i) for i in RANGE_BOXES] == ["-10", "10", "-10", "10", "-10", "10"]
    run.click(*centre(page.rect_of(PLANE)))
    run.wait_for(lambda shot: not near(shot, blue, blue_colour, radius=2), "the blue axis to go")
    # The page stays open (the lifted picture now comes first among its controls).
    assert "〖坐标系控制〗" in [c["text"] for c in run.page().controls]

    for box, text in zip(RANGE_BOXES, ("inf", "20", "-3", "3", "-12345.678", "4")):
        run.type_into(page.rect_of(box), text)
    run.click(*centre(page.rect_of(CONFIRM)))
    run.answer("^错误$")  # "坐标轴起始坐标非法！" for the x axis only
    assert run.windows_named("^错误$") == []
    assert run.shown_pages() == []

    # Cancel stores nothing; the system chosen before it stays.
    run.click(*control_button(1))
    page = run.page()
    assert [page.text(i) for i in RANGE_BOXES] == ["-10", "10", "-3", "3", "-12345.7", "4"]
    run.type_into(page.rect_of(RANGE_BOXES[1]), "99")
    run.click(*centre(page.rect_of(CANCEL)))
    assert run.close() == 0
    saved = run.saved_workspace()["view"]
    assert (saved["mode"], saved["ranges"]) == (1, [-10, 10, -3, 3, -12345.678, 4])


def test_rotation_speeds_keep_their_decimals_and_stay_within_a_turn(orvane):
    run = orvane(workspace(view(angles=[30, -45.5, 0], speeds=[0.125, 0, 0]))).start()
    run.click(*control_button(2))
    page = run.page()
    assert page.title() == "〖旋转控制〗"
    assert [page.text(i) for i in ROTATION_BOXES[1:]] == ["-45.50", "0.00", "0.12", "0.00", "0.00"]
    run.type_into(page.rect_of(ROTATION_BOXES[4]), "9")
    run.click(*centre(page.rect_of(CANCEL)))
    assert run.shown_pages() == []

    run.click(*control_button(2))
    page = run.page()
    assert page.text(ROTATION_BOXES[4]) == "0.00"  # cancelled: still
    # A speed of more than a whole turn a frame is refused; the box left as it was keeps 0.125.
    for box, text in zip(ROTATION_BOXES[4:], ("9e307", "2.5")):
        run.type_into(page.rect_of(box), text)
    run.click(*centre(page.rect_of(CONFIRM)))
    assert run.shown_pages() == []
    assert run.close() == 0
    saved = run.saved_workspace()["view"]
    assert saved["speeds"] == [0.125, 0, 2.5]
    assert saved["angles"][1] == -45.5
    assert all(-540 <= angle < 540 for angle in saved["angles"])


def test_a_view_that_is_not_finite_loads_as_one_that_is(orvane):
    document = workspace(view(speeds=[0, 9e307, 0]))
    run = orvane(document)
    data = bytearray(run.folder.joinpath("Default.wsp").read_bytes())
    # The view's block ends the file: position, then the angles; x's angle becomes infinite.
    data[-124 + 24:-124 + 32] = struct.pack("<d", math.inf)
    run.folder.joinpath("Default.wsp").write_bytes(bytes(data))
    run.start()
    assert near(run.screenshot(), project((6, 0, 0), view()), (255, 153, 153), radius=2)  # the red axis
    assert run.quit() == 0
    saved = run.saved_workspace()["view"]
    assert (saved["angles"], saved["speeds"]) == ([0, 0, 0], [0, 0, 0])


def test_the_origin_typed_moves_the_graphs(orvane):
    still = view()
    line = {"name": "FA", "text": "x/2", "lower": -8, "upper": 8, "colour": "#ff00ff"}
    run = orvane(workspace(still, [line])).start()
    moved = view(position=[1, -2, 3])
    before = [project((x, x / 2, 0), still) for x in (-7, -3, 5)]
    after = [project((x, x / 2, 0), moved) for x in (-7, -3, 5)]
    assert all(near(run.screenshot(), p, MAGENTA, tolerance=12) for p in before)

    run.click(*control_button(3))
    page = run.page()
    assert page.title() == "〖位置控制〗"
    assert [page.text(i) for i in ORIGIN_BOXES] == ["0", "0", "0"]
    for box, text in zip(ORIGIN_BOXES, ("1", "-2", "3")):
        run.type_into(page.rect_of(box), text)
    run.click(*centre(page.rect_of(CONFIRM)))
    run.wait_for(lambda shot: all(near(shot, p, MAGENTA, tolerance=12) for p in after), "the moved line")
    assert not any(near(run.screenshot(), p, MAGENTA, tolerance=12) for p in before)
    assert run.close() == 0
    assert run.saved_workspace()["view"]["position"] == [1, -2, 3]


def test_the_guide_lists_its_topics_and_shows_the_one_selected(orvane):
    run = orvane(workspace(view())).start()
    run.click(*GUIDE_BUTTON)
    page = run.page()
    assert page.title() == "〖Orvane使用指南〗"
    assert page.items(TOPIC_LIST) == [
        "可供调用的默认函数列表", "为什么要给函数起名", "如何书写任意底数的对数函数", "()、[]和{}分别代表什么",
        "函数嵌套注意", "参数方程注意", "函数添加注意", "不等式组注意"]
    assert page.text(TOPIC_TEXT) == ""

    run.click(*first_item(page, TOPIC_LIST))
    assert run.page().text(TOPIC_TEXT) == (
        "sin,cos,tg,ctg,sec,csc,arcsin,arccos,arctg,arcctg,arcsec,\r\narccsc, lg, ln, exp, abs")
    run.xkey("Down")
    run.xkey("Down")
    assert run.page().text(TOPIC_TEXT) == "可以运用换底公式，如写成lgx/lg2"
    run.xkey("Up")
    assert run.page().text(TOPIC_TEXT).startswith("给自己定义的函数起了名后")
    run.click(*centre(page.rect_of(RETURN)))
    assert run.shown_pages() == []
    assert run.close() == 0


def test_the_about_page_shows_the_user_name(orvane):
    run = orvane(workspace(view())).start()
    open_about_page(run)
    page = run.page()
    assert page.title() == "〖关于Orvane〗"
    assert page.text(USER_NAME) == getpass.getuser()
    # The mail and web buttons hand their addresses to the shell: not clicked here.
    assert all(page.control(i)["visible"] for i in (SEND_MAIL, VISIT_WEB))
    run.click(*centre(page.rect_of(RETURN)))
    assert run.shown_pages() == []
    assert run.close() == 0


OPENERS = {
    "constants": lambda run: run.click(*control_button(6)),
    "coordinates": lambda run: run.click(*control_button(1)),
    "rotation": lambda run: run.click(*control_button(2)),
    "position": lambda run: run.click(*control_button(3)),
    "guide": lambda run: run.click(*GUIDE_BUTTON),
    "about": open_about_page,
}


@pytest.mark.parametrize("name", OPENERS)
def test_each_page_lies_over_the_right_part_and_its_controls_do_not_overlap(orvane, name):
    run = orvane(workspace(view())).start()
    OPENERS[name](run)
    page = run.page()
    page.check_layout()
    run.close()
