"""The morvane module against verda and against the library's own spectra."""
import os
import random
import subprocess
import threading

import numpy
import pytest

import morvane
from morvane._morvane import _label_frequency

VERDA = os.environ["VERDA"]
DEMO = os.environ["VERDALON_DEMO_FILE"]


def verda(*arguments):
    return subprocess.run([VERDA, *arguments], capture_output=True, check=True).stdout


def test_records_and_blocks_are_verdas():
    listed = [line.split("\t") for line in verda("list", DEMO).decode().splitlines()]
    with morvane.open(DEMO) as demo:
        assert [[str(r.type), str(r.number), r.name, str(r.size)] for r in demo.records] == listed
        for record in demo.records:
            names = verda("blocks", DEMO, str(record.type), str(record.number)).decode().splitlines()
            assert demo.blocks(record) == names
            assert demo.blocks((record.type, record.number)) == names


@pytest.mark.parametrize("options, arguments", [
    ([], {}),
    (["--record", "1:2", "--profile", "mine,1,0,0,1,0,0,0,0,0,0,0,3"],
     {"records": [(1, 2)], "profile": morvane.profile("mine,1,0,0,1,0,0,0,0,0,0,0,3")}),
    (["--record", "2:1", "--record", "1:1", "--blocks", "0x2001", "--profile", "p,2,1,1,1,1,1,1,1,1,1,1,1"],
     {"records": [(2, 1), (1, 1)], "blocks": 0x2001, "profile": "p,2,1,1,1,1,1,1,1,1,1,1,1"}),
])
def test_translation_is_verdas_byte_for_byte(tmp_path, options, arguments):
    verda("translate", DEMO, str(tmp_path / "verda.csv"), *options)
    expected = (tmp_path / "verda.csv").read_bytes()
    with morvane.open(DEMO) as demo:
        assert demo.translate(**arguments).encode("latin-1") == expected
        demo.translate_to(tmp_path / "module.csv", **arguments)
    assert (tmp_path / "module.csv").read_bytes() == expected


def test_spectra_are_the_librarys():
    bands = {}
    for line in subprocess.run([os.environ["SPECTRUM_DUMP"], DEMO], capture_output=True, check=True,
                               text=True).stdout.splitlines():
        record, label, *levels = line.split("\t")
        bands.setdefault(record, []).append((label, [float(level) for level in levels]))
    with morvane.open(DEMO) as demo:
        for record in demo.records:
            spectrum = demo.spectrum(record)
            expected = bands.pop(f"{record.type}:{record.number}", None)
            if expected is None:
                assert spectrum is None
                continue
            assert spectrum.labels == [label for label, _ in expected]
            assert spectrum.levels.shape == (len(expected[0][1]), len(expected))
            numpy.testing.assert_array_equal(spectrum.levels.T, numpy.float32([levels for _, levels in expected]))
            assert spectrum.frequencies[[0, 1, 17, -1]].tolist() == [20.0, 25.0, 1000.0, 20000.0]
    assert not bands


@pytest.mark.parametrize("label, frequency", [
    ("13,  20.0 Hz", 20.0), ("-1,   .80 Hz", 0.8), ("30,  1.25kHz", 1250.0), ("14d 24.2 Hz", 24.2),
    ("Slow", None), ("  1234.5678", None),
])
def test_frequencies_come_from_the_labels_units(label, frequency):
    from_label = _label_frequency(label)
    assert (numpy.isnan(from_label) if frequency is None else from_label == pytest.approx(frequency))


def hostile_files(folder):
    demo = open(DEMO, "rb").read()
    files = {"empty": b"", "header cut": demo[:20], "directory cut": demo[:40], "record cut": demo[:-100],
             "random bytes": random.Random(30).randbytes(2000)}
    for name, data in files.items():
        (folder / name).write_bytes(data)
    return folder


@pytest.mark.parametrize("name, opens", [
    ("missing", FileNotFoundError), ("empty", ValueError), ("header cut", ValueError),
    ("directory cut", ValueError), ("record cut", None), ("random bytes", None),
])
def test_every_damage_raises(tmp_path, name, opens):
    path = hostile_files(tmp_path) / name
    if opens is not None:
        with pytest.raises(opens, match=name):
            morvane.open(path)
        return
    with morvane.open(path) as damaged:
        cut = [record for record in damaged.records if not record.complete]
        assert cut
        for record in cut:
            for read in (damaged.blocks, damaged.spectrum):
                with pytest.raises(ValueError, match="is cut short by the end of the file"):
                    read(record)
        with pytest.warns(RuntimeWarning, match="cut short"):
            text = damaged.translate()
        verda("translate", str(path), str(tmp_path / "verda.csv"))
        assert text.encode("latin-1") == (tmp_path / "verda.csv").read_bytes()


@pytest.mark.parametrize("call, error", [
    (lambda f: f.blocks((1, 9)), ValueError), (lambda f: f.blocks((1, 0)), ValueError),
    (lambda f: f.blocks((256, 1)), ValueError), (lambda f: f.blocks("1:1"), TypeError),
    (lambda f: f.translate(records=[]), ValueError), (lambda f: f.translate(blocks=0x10000), ValueError),
    (lambda f: f.translate(profile=3), TypeError), (lambda f: f.translate_to("/nonexistent/out.csv"), OSError),
    (lambda f: (f.close(), f.records), ValueError), (lambda f: f.translate(profile="p,1,x"), ValueError),
    (lambda f: morvane.profile("p,4294967296,0,0,0,0,0,0,0,0,0,0,0"), ValueError),
])
def test_wrong_arguments_raise(call, error):
    with morvane.open(DEMO) as demo:
        with pytest.raises(error):
            call(demo)


def test_threads_translate_alike():
    demo = morvane.open(DEMO)
    alone = demo.translate()
    texts = [[], []]
    threads = [threading.Thread(target=lambda own=own: own.extend(demo.translate() for _ in range(20)))
               for own in texts]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()
    assert texts == [[alone] * 20] * 2
