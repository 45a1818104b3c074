"""The tools page and its three calculators, used as a user does: opened from the control column
and the tools page, boxes typed into, the calculate button clicked, the results read back."""

import pytest

from orvane import centre

TOOLS_BUTTON = (525, 55 + 72 * 4 + 25)  # button 4 of the control column

# Control ids of the pages.
CONFIRM, RETURN = 1003, 1010
EXPRESSION_TOOL, LINE_TOOL, VECTOR_TOOL, STATISTICS_TOOL, CONIC_TOOL = 1011, 1012, 1013, 1015, 1016
RESULT, EXPRESSION = 1042, 1043
LINE_BOXES = (1045, 1046, 1047, 1048, 1049, 1050)  # a, b, c of line 1, then of line 2
VECTOR_BOXES = (1034, 1025, 1026, 1035, 1037, 1038)  # vector a, then vector b
NONE = "没有"
PARALLEL = "没有（即平行）"


def workspace(functions=(), constants=()):
    return {"functions": list(functions), "parametrics": [], "inequalities": [], "constants": list(constants)}


def section(heading, *lines):
    return heading + "：\r\n" + "".join(f"  {line}\r\n" for line in lines) + "\r\n"


def line_text(slopes, inclinations, y_intercepts, x_intercepts, angle):
    pairs = (("斜率", slopes), ("倾角", inclinations), ("Y轴截距", y_intercepts), ("X轴截距", x_intercepts))
    return "".join(section(heading, f"a:{a}", f"b:{b}") for heading, (a, b) in pairs) + section("夹角", angle)


def vector_text(lengths, product, angle):
    return section("模", f"a:{lengths[0]}", f"b:{lengths[1]}") + section("积", product) + section("夹角", angle)


def open_tool(run, tool):
    run.click(*TOOLS_BUTTON)
    run.click(*centre(run.page().rect_of(tool)))
    return run.page()


def calculate(run, boxes, values):
    """Types the values into the boxes (None leaves a box as it is) and clicks the calculate button."""
    page = run.page()
    for box, value in zip(boxes, values):
        if value is not None:
            run.type_into(page.rect_of(box), value)
    run.click(*centre(page.rect_of(CONFIRM)))
    return run.page().text(RESULT)


def test_the_tools_page_opens_each_calculator_and_its_hidden_tools_do_nothing(orvane):
    run = orvane(workspace()).start()
    run.click(*TOOLS_BUTTON)
    tools = run.page()
    assert tools.title() == "〖辅助工具〗"
    assert [tools.control(i)["visible"] for i in (EXPRESSION_TOOL, LINE_TOOL, VECTOR_TOOL, RETURN)] == [True] * 4
    assert [tools.control(i)["visible"] for i in (STATISTICS_TOOL, CONIC_TOOL)] == [False, False]
    for hidden in (STATISTICS_TOOL, CONIC_TOOL):
        run.click(*centre(tools.rect_of(hidden)))
        assert run.page().title() == "〖辅助工具〗"
    titles = {EXPRESSION_TOOL: "〖代数式求值〗", LINE_TOOL: "〖直线计算〗", VECTOR_TOOL: "〖向量计算〗"}
    for tool, title in titles.items():
        page = open_tool(run, tool)  # the tools page is hidden: one page only
        assert page.title() == title
        run.click(*centre(page.rect_of(RETURN)))
        assert run.shown_pages() == []
    run.click(*TOOLS_BUTTON)
    run.click(*centre(run.page().rect_of(RETURN)))
    assert run.shown_pages() == []
    assert run.close() == 0


def test_the_expression_page_lists_each_result_with_constants_and_functions(orvane):
    document = workspace([{"name": "FA", "text": "x^2", "lower": -10, "upper": 10, "colour": "#ff00ff"}],
                         [{"name": "g", "value": 9.8}])
    run = orvane(document).start()
    page = open_tool(run, EXPRESSION_TOOL)
    assert page.text(EXPRESSION) == "" and page.items(RESULT) == []
    for typed in ("1+2*3", "$g/2", "FA(3)+1", "1/0", "tg(1)", "x+1"):
        run.type_into(page.rect_of(EXPRESSION), typed)
        run.click(*centre(page.rect_of(CONFIRM)))
        assert run.page().text(EXPRESSION) == ""  # emptied for the next one
    assert run.page().items(RESULT) == ["1+2*3=7", "$g/2=4.9", "FA(3)+1=10", "1/0=错误", "tg(1)=1.55741", "x+1=1"]
    assert run.close() == 0


LINE_CASES = [
    # y = x and y = -x: perpendicular; inclinations in [0, 180).
    (("1", "-1", "0", "1", "1", "0"),
     line_text(("1", "-1"), ("45.00", "135.00"), ("0", "0"), ("0", "0"), "90.00")),
    # Slopes 1 and 0.5 meet at 18.43 degrees.
    (("1", "-1", "0", "1", "-2", "0"),
     line_text(("1", "0.5"), ("45.00", "26.57"), ("0", "0"), ("0", "0"), "18.43")),
    # y = 2 and x = 3: no x-intercept for the one, no slope nor y-intercept for the other.
    (("0", "1", "-2", "1", "0", "-3"),
     line_text(("0", NONE), ("0.00", "90.00"), ("2", NONE), (NONE, "3"), "90.00")),
    # Rounded perpendicular coefficients still meet at 90.00.
    ((".3", ".7", "0", ".7", "-.3", "0"),
     line_text(("-0.428571", "2.33333"), ("156.80", "66.80"), ("0", "0"), ("0", "0"), "90.00")),
    # Both vertical, then both horizontal: none for both lines, parallel.
    (("1", "0", "-3", "2", "0", "1"),
     line_text((NONE, NONE), ("90.00", "90.00"), (NONE, NONE), ("3", "-0.5"), "0.00")),
    (("0", "1", "-2", "0", "2", "4"),
     line_text(("0", "0"), ("0.00", "0.00"), ("2", "-2"), (NONE, NONE), "0.00")),
    # A zero typed with a minus sign is no "-0"; an unreadable box counts 0.
    (("-0", "-1", "0", "abc", "1", "5"),
     line_text(("0", "0"), ("0.00", "0.00"), ("0", "-5"), (NONE, NONE), "0.00")),
]


def test_the_line_calculator_writes_its_sections_for_the_lines_typed(orvane):
    run = orvane(workspace()).start()
    page = open_tool(run, LINE_TOOL)
    assert [page.text(i) for i in LINE_BOXES] == ["1"] * 6 and page.text(RESULT) == ""
    assert calculate(run, LINE_BOXES, [None] * 6) == line_text(
        ("-1", "-1"), ("135.00", "135.00"), ("-1", "-1"), ("-1", "-1"), "0.00")
    for values, text in LINE_CASES:
        assert calculate(run, LINE_BOXES, values) == text, values
    assert run.close() == 0


def test_the_line_calculator_refuses_a_line_without_x_and_y_and_keeps_its_result(orvane):
    run = orvane(workspace()).start()
    open_tool(run, LINE_TOOL)
    before = calculate(run, LINE_BOXES, LINE_CASES[0][0])
    for values in (("0", "0", "5", "1", "1", "1"), ("1", "1", "1", "0", "0", "5")):
        calculate(run, LINE_BOXES, values)
        assert run.windows_named("^错误$"), "no message box"
        run.xkey("Return")
        assert not run.windows_named("^错误$")
        assert run.page().text(RESULT) == before
    assert run.close() == 0


VECTOR_CASES = [
    (("1", "0", "0", "0", "1", "0"), vector_text(("1", "1"), "0", "90.00")),
    (("1", "0", "0", "-2", "0", "0"), vector_text(("1", "2"), "-2", PARALLEL)),
    (("0", "0", "0", "1", "2", "3"), vector_text(("0", "3.74166"), "0", PARALLEL)),
    (("1", "1", "0", "1", "0", "0"), vector_text(("1.41421", "1"), "1", "45.00")),
    # Rounded components pointing opposite ways are parallel; lengths never overflow.
    ((".1", ".1", ".1", "-.2", "-.2", "-.2"), vector_text(("0.173205", "0.34641"), "-0.06", PARALLEL)),
    (("1e200", "1e200", "0", "1e200", "1e200", "0"), vector_text(("1.41421e+200", "1.41421e+200"), NONE, PARALLEL)),
    (("-0", "0", "0", "-1", "0", "0"), vector_text(("0", "1"), "0", PARALLEL)),
]


def test_the_vector_calculator_writes_lengths_product_and_angle(orvane):
    run = orvane(workspace()).start()
    page = open_tool(run, VECTOR_TOOL)
    assert [page.text(i) for i in VECTOR_BOXES] == ["1"] * 6 and page.text(RESULT) == ""
    assert calculate(run, VECTOR_BOXES, [None] * 6) == vector_text(("1.73205", "1.73205"), "3", PARALLEL)
    for values, text in VECTOR_CASES:
        assert calculate(run, VECTOR_BOXES, values) == text, values
    assert run.close() == 0


@pytest.mark.parametrize("tool", [None, EXPRESSION_TOOL, LINE_TOOL, VECTOR_TOOL])
def test_each_page_lies_over_the_right_part_and_its_controls_do_not_overlap(orvane, tool):
    run = orvane(workspace()).start()
    page = open_tool(run, tool) if tool else (run.click(*TOOLS_BUTTON), run.page())[1]
    page.check_layout()
    run.close()
