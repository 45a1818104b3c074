"""The main window as a user sees it: the plot, the control strip, the graph list, the labels,
and what is kept in Default.wsp when the program ends."""
import math
import os
import pathlib
import time

import pytest

from orvane import held_hot_key, mean_colour, near, project, read_workspace

MAGENTA = (255, 0, 255)
CYAN = (0, 255, 255)
STILL_VIEW = {"mode": 0, "angles": [20, -30, 0], "speeds": [0, 0, 0], "position": [0, 0, 0],
              "ranges": [-10, 10, -10, 10, -10, 10]}
GRAPHS = {
    "functions": [{"name": "FA", "text": "x/2", "lower": -8, "upper": 8, "colour": "#ff00ff"}],
    "parametrics": [{"name": "EA", "text": "3*cost&3*sint&4", "lower": 0, "upper": 6.2832, "colour": "#00ffff"}],
}
LIST_AREA = (552, 54, 748, 548)
LIST_BACKGROUND = (64, 64, 64)


def with_view(**changes):
    return dict(GRAPHS, view=dict(STILL_VIEW, **changes))


@pytest.mark.parametrize("mode", [0, 1, 2])
def test_the_plot_shows_axes_and_graphs_in_every_coordinate_system(orvane, mode):
    view = dict(STILL_VIEW, mode=mode)
    run = orvane(dict(GRAPHS, view=view)).start()
    shot = run.screenshot()
    # The axes brighten towards their positive ends and darken towards their negative ones.
    assert near(shot, project((1, 0, 0), view), (255, 25, 25))
    assert near(shot, project((9.5, 0, 0), view), (255, 242, 242))
    assert near(shot, project((-9, 0, 0), view), (83, 57, 57))
    assert near(shot, project((0, 5, 0), view), (128, 255, 128))
    blue_end = {0: (0, 0, 5), 2: (0, 0, -5)}
    for sign in (1, -1):
        point = (0, 0, 5 * sign)
        expected_blue = mode in blue_end and point == blue_end[mode]
        assert near(shot, project(point, view), (128, 128, 255)) == expected_blue, point
    # The function's samples lie in the plane z = 0 and show in every mode.
    for x in (-6, -2.5, 3, 7):
        assert near(shot, project((x, x / 2, 0), view), MAGENTA), x
    # The circle at z = 4 is mirrored in the left-handed system and absent from the plane. Where
    # the two circles' pictures cross, a point tells nothing; the others are checked.
    def circle(z):
        return [project((3 * math.cos(t), 3 * math.sin(t), z), view) for t in (i * 0.01 for i in range(629))]
    drawn = {0: circle(4), 1: [], 2: circle(-4)}[mode]
    for z in (4, -4):
        for point in circle(z)[::40]:
            if all(math.dist(point, other) > 6 for other in (circle(-z) if drawn else [])):
                assert near(shot, point, CYAN) == (drawn == circle(z)), (z, point)
    assert run.quit() == 0


def test_the_graph_list_and_the_labels_show_the_workspace(orvane):
    run = orvane(with_view(speeds=[0, 5, 0])).start()
    first = run.screenshot()
    # Two rows: their colour swatches at the list's left edge, light row backgrounds.
    assert near(first, (557, 60), MAGENTA, radius=1, tolerance=10)
    assert near(first, (557, 77), CYAN, radius=1, tolerance=10)
    assert mean_colour(first, (570, 53, 740, 68))[2] > 200
    assert mean_colour(first, (560, 120, 740, 540)) == pytest.approx(LIST_BACKGROUND, abs=2)
    # The rotation labels follow the spin; the range labels stay.
    rotation_labels = (399, 550, 499, 600)
    ranges_labels = (49, 550, 199, 600)
    run.wait_for(lambda shot: shot.crop(rotation_labels) != first.crop(rotation_labels), "the spin in the labels")
    assert run.screenshot().crop(ranges_labels) == first.crop(ranges_labels)
    # The help line follows the mouse: the plot's text differs from the list column's.
    help_line = (375, 2, 728, 48)
    run.move(250, 300)
    over_plot = run.screenshot().crop(help_line)
    run.move(775, 300)
    assert run.screenshot().crop(help_line) != over_plot
    run.quit()


def test_hovering_a_column_button_tints_it(orvane):
    run = orvane(with_view()).start()
    button = (752, 55 + 72 * 3 + 4, 798, 105 + 72 * 3 - 4)
    run.move(250, 300)
    plain = mean_colour(run.screenshot(), button)
    run.move(775, 55 + 72 * 3 + 25)
    tinted = mean_colour(run.screenshot(), button)
    # The hovered button is drawn in (1, 0.8, 0.5): half its blue, most of its green.
    assert tinted[2] < plain[2] * 0.65
    assert tinted[1] < plain[1] * 0.9
    assert tinted[0] == pytest.approx(plain[0], abs=12)
    run.quit()


def test_function_keys_step_the_presets_and_escape_saves_them(orvane):
    run = orvane(with_view()).start()
    before = run.folder.joinpath("Default.wsp").read_bytes()
    for key in ("F5", "F6", "F7", "F8", "F8"):
        run.key(key)
    assert run.quit() == 0
    saved = run.saved_workspace()
    assert saved["view"]["mode"] == 1
    # The presets start from the program's own cycles: position (0, -2.5, 0) was the first step.
    assert saved["view"]["position"] == [0, 0, 0]
    assert saved["view"]["speeds"] == [0, 0, 5]  # after spin about y: about x, then about z
    after = run.folder.joinpath("Default.wsp").read_bytes()
    assert after[:-124] == before[:-124]  # every record byte for byte


def test_without_a_workspace_the_list_is_empty_and_the_view_the_default(orvane):
    run = orvane().start()
    shot = run.screenshot()
    assert mean_colour(shot, LIST_AREA) == pytest.approx(LIST_BACKGROUND, abs=1)
    assert run.quit() == 0
    saved = run.saved_workspace()
    assert saved["functions"] == saved["parametrics"] == saved["inequalities"] == saved["constants"] == []
    view = saved["view"]
    assert view["mode"] == 0
    assert view["position"] == [0, -2.5, 0]
    assert view["speeds"] == [0, 5, 0]
    assert view["ranges"] == [-10, 10, -10, 10, -10, 10]


def test_without_images_the_program_runs_untextured_and_says_nothing(orvane):
    run = orvane(with_view(), images=False).start()
    shot = run.screenshot()
    # Untextured buttons are plain white quads over the columns' backdrops.
    assert mean_colour(shot, (760, 70, 790, 90)) == pytest.approx((255, 255, 255), abs=3)
    assert near(shot, project((-6, -3, 0), STILL_VIEW), MAGENTA)
    assert not run.windows_named("^Error$")
    assert run.quit() == 0


def test_frames_come_about_sixty_a_second(orvane):
    # The view turns by its speed once per frame: the angle saved at exit counts the frames.
    speed = 0.001
    run = orvane(with_view(speeds=[0, speed, 0], angles=[0, 0, 0])).start()
    started = time.monotonic()
    time.sleep(4)
    assert run.quit() == 0
    seconds = time.monotonic() - started
    frames = run.saved_workspace()["view"]["angles"][1] / speed
    # Unpaced, one graph drew about 400 frames a second here; a loaded machine may draw fewer
    # than 60, never many more.
    assert 5 * seconds < frames < 66 * seconds, frames / seconds


def test_a_damaged_workspace_keeps_its_bytes(orvane):
    # Cut short: the complete records are used, the file's bytes kept as Default.wsp.bak, and the
    # exit save replaces the file.
    run = orvane(GRAPHS)
    damaged = run.folder.joinpath("Default.wsp").read_bytes()[:-10]
    run.folder.joinpath("Default.wsp").write_bytes(damaged)
    run.start(box="提示")
    assert run.quit() == 0
    assert run.folder.joinpath("Default.wsp.bak").read_bytes() == damaged
    assert len(run.saved_workspace()["functions"]) == 1

    # Where no copy can be made, the file stays as it is and the workspace goes beside it.
    run = orvane(GRAPHS, folder="kept")
    run.folder.joinpath("Default.wsp").write_bytes(damaged)
    run.folder.joinpath("Default.wsp.bak").mkdir()
    run.folder.joinpath("Default.wsp.bak", "inside").mkdir()
    run.start(box="提示")
    assert run.quit() == 0
    assert run.folder.joinpath("Default.wsp").read_bytes() == damaged
    assert len(read_workspace(run.folder / "Default-1.wsp")["functions"]) == 1


def test_hot_keys_are_given_up_before_a_box_at_exit(orvane):
    # A box on the way out runs a message loop: F2 or F5 must not reach a window being torn down.
    run = orvane(GRAPHS).start()
    assert not any(run.free_hot_keys().values())
    workspace = run.folder / "Default.wsp"
    workspace.unlink()
    workspace.joinpath("inside").mkdir(parents=True)  # the exit save cannot replace a folder
    run.click(765, 25)
    deadline = time.monotonic() + 20
    while not run.windows_named("^错误$"):
        assert time.monotonic() < deadline, "no box for the failed save"
        time.sleep(0.2)
    assert all(run.free_hot_keys().values())
    assert run.box_texts("错误")[0].startswith("工作区文件保存失败！")
    run.answer("^错误$")
    assert run.process.wait(timeout=20) == 0


def test_a_hot_key_another_program_holds_is_named_at_start(orvane):
    with held_hot_key("F5"):
        run = orvane(GRAPHS).start(box="提示")
        assert run.start_box == ["热键 F5 已被其他程序占用，请改用菜单和按钮。"]
        # The other keys are the program's.
        assert run.free_hot_keys() == {"F2": False, "F5": False, "F6": False, "F7": False, "F8": False}
        assert run.quit() == 0


def test_a_minimised_window_sleeps(orvane):
    # The view turns one degree a frame; minimised, no frame is drawn and the loop waits for
    # messages instead of spinning.
    run = orvane(with_view(speeds=[0, 1, 0], angles=[0, 0, 0])).start()

    def turned():
        return [label for label in run.probe()["labels"] if label.endswith(" / 1.00")]

    def processor_seconds():
        fields = pathlib.Path(f"/proc/{run.process.pid}/stat").read_text().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")

    run.probe("minimise")
    time.sleep(1)
    frozen, used = turned(), processor_seconds()
    assert frozen
    time.sleep(3)
    assert turned() == frozen
    assert processor_seconds() - used < 0.3  # a spinning loop takes about 3 s
    run.probe("restore")
    time.sleep(1)
    assert turned() != frozen
