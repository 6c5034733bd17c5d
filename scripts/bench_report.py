#!/usr/bin/env python3
"""Writes docs/performance.md and docs/performance.png from the benchmark's CSV and console output.

Usage: bench_report.py CSV LOG MARKDOWN PNG CPU CORES WINE DATE
Standard library only: the chart is a bar chart of the ratios QEL/plain, drawn into a pixel buffer and
written as PNG with zlib.
"""
import csv
import struct
import sys
import zlib

# Hand-written findings appended to the generated page.
NOTES = 'bench/performance-notes.md'

# 5x7 glyphs for the chart's labels: digits, a few letters and signs.
GLYPHS = {
    '0': "01110100011001110101110011000101110", '1': "00100011000010000100001000010001110",
    '2': "01110100010000100010001000100011111", '3': "11110000010000101110000010000111110",
    '4': "00010001100101010010111110001000010", '5': "11111100001111000001000011000101110",
    '6': "00110010001000011110100011000101110", '7': "11111000010001000100010000100001000",
    '8': "01110100011000101110100011000101110", '9': "01110100011000101111000010001001100",
    '.': "00000000000000000000000000110001100", 'x': "00000000001000101010001000101010001",
    ' ': "00000000000000000000000000000000000", '-': "00000000000000011111000000000000000",
    'k': "10000100001001010100110001010010010", '/': "00001000010001000100010001000010000",
    '<': "00010001000100010000010000010000010", 's': "00000000000111110000011100000111110", '=': "00000000001111100000111110000000000",
}


def read_rows(path):
    with open(path, newline='') as f:
        return list(csv.DictReader(f))


def spread(row, side):
    """' (min-max)' of a side's repetitions, or nothing when the case was measured once."""
    low, high = float(row.get(f'{side}_min') or -1), float(row.get(f'{side}_max') or -1)
    return f" ({low:.3f}-{high:.3f})" if low >= 0 else ""


def write_markdown(rows, log_text, path, cpu, cores, wine, date):
    lines = [
        "# Performance",
        "",
        "`./scripts/bench` builds `QELBench.exe`, runs it under Wine and rewrites this page and",
        "[performance.png](performance.png). Every case does the same work on a `CQELListCtrl` and on a plain",
        "`CListCtrl` with the same data, window size (1280x1024) and font, in one run: a warm-up, then",
        "repetitions that alternate which side goes first; the figures are medians, with the fastest and slowest",
        "repetition in brackets. Ratio = QEL / plain. Case 7 runs once per side, each side alone. Case 8 shows",
        "owner-data lists of one application at 1,000 rows and at a million (the million-row copy once per side);",
        "its growth rows divide each side's cost at a million rows by its cost at 1,000.",
        "",
        f"Machine: {cpu}, {cores} cores; {wine}; measured {date}.",
        "",
        "![Ratios QEL/plain by case](performance.png)",
        "",
        "Chart: one bar per case and size (1s: striped rows), ratio QEL/plain, clipped at 3x; black line: the goal;",
        "green: goal reached, red: goal missed, blue: no goal.",
        "",
        "| Case | Size | Unit | QEL | Plain | Ratio | Goal | Result |",
        "|---|---|---|---:|---:|---:|---|---|",
    ]
    # In case order (the benchmark runs cases 4 and 6 on the same lists, before case 5).
    for r in sorted(rows, key=lambda r: r['case'].split()[0]):
        qel = f"{float(r['qel']):.3f}" + spread(r, 'qel')
        plain = r['plain'] if r['plain'] == 'n/a' else f"{float(r['plain']):.3f}" + spread(r, 'plain')
        ratio = r['ratio'] if r['ratio'] == 'n/a' else f"{float(r['ratio']):.2f}"
        goal = f"<= {float(r['goal']):g}x" if float(r['goal']) > 0 else "-"
        lines.append(f"| {r['case']} | {r['size']} | {r['unit']} | {qel} | {plain} | {ratio} | {goal} | "
                     f"{r['result']} |")
    breakdown = [l for l in log_text.splitlines() if l.startswith('  breakdown')]
    if breakdown:
        lines += ["", "## Where the time goes", "",
                  "Single steps timed inside the same run (medians), to show which part of a case costs what:", "",
                  "```"] + [l[len('  breakdown '):] for l in breakdown] + ["```"]
    notes_path = NOTES
    try:
        with open(notes_path) as f:
            lines += ["", f.read().rstrip()]
    except OSError:
        pass
    with open(path, 'w') as f:
        f.write("\n".join(lines) + "\n")


class Canvas:
    def __init__(self, width, height):
        self.w, self.h = width, height
        self.px = bytearray(b'\xff' * (width * height * 3))

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(max(0, y0), min(self.h, y1)):
            row = y * self.w * 3
            for x in range(max(0, x0), min(self.w, x1)):
                self.px[row + x * 3: row + x * 3 + 3] = bytes(colour)

    def text(self, x, y, s, colour=(0, 0, 0), scale=2):
        for ch in s:
            glyph = GLYPHS.get(ch, GLYPHS[' '])
            for i, bit in enumerate(glyph):
                if bit == '1':
                    gx, gy = i % 5, i // 5
                    self.rect(x + gx * scale, y + gy * scale, x + (gx + 1) * scale, y + (gy + 1) * scale, colour)
            x += 6 * scale

    def png(self, path):
        raw = b''.join(b'\x00' + bytes(self.px[y * self.w * 3:(y + 1) * self.w * 3]) for y in range(self.h))

        def chunk(kind, data):
            return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data) & 0xffffffff)

        with open(path, 'wb') as f:
            f.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', self.w, self.h, 8, 2, 0, 0, 0))
                    + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def write_chart(rows, path):
    # The cases themselves; the split rows (rows only, header only, cross comparisons) stay in the table.
    bars = [r for r in rows if r['ratio'] != 'n/a' and r['unit'] != 'x'
            and ' only' not in r['case'] and ' vs unstriped' not in r['case']]
    bar_w, gap, left, top, plot_h = 34, 14, 70, 20, 300
    limit = 3.0   # ratios above are drawn clipped, with their value printed
    width = left + len(bars) * (bar_w + gap) + 20
    c = Canvas(width, top + plot_h + 60)
    y_of = lambda v: top + plot_h - int(min(v, limit) / limit * plot_h)
    for v in (0.5, 1.0, 1.5, 2.0, 2.5, 3.0):
        c.rect(left, y_of(v), width - 10, y_of(v) + 1, (220, 220, 220))
        c.text(8, y_of(v) - 7, f"{v:.1f}x")
    c.rect(left, y_of(1.0), width - 10, y_of(1.0) + 2, (120, 120, 120))
    for i, r in enumerate(bars):
        x = left + gap // 2 + i * (bar_w + gap)
        ratio, goal = float(r['ratio']), float(r['goal'])
        colour = (70, 130, 200) if goal <= 0 else ((60, 160, 80) if ratio <= goal else (200, 70, 60))
        c.rect(x, y_of(ratio), x + bar_w, top + plot_h, colour)
        if goal > 0:
            c.rect(x - 4, y_of(goal), x + bar_w + 4, y_of(goal) + 3, (0, 0, 0))
        if ratio > limit:
            c.text(x, top + 2, f"{ratio:.0f}x"[:5], (255, 255, 255), 1)
        label = r['case'].split()[0] + ('s' if 'striped' in r['case'] else '')
        c.text(x + 4, top + plot_h + 8, label, scale=2)
        size = r['size'].split()[0]
        size = size[:-3] + 'k' if size.endswith('000') else size
        c.text(x, top + plot_h + 30, size[:5], scale=1)
    c.png(path)


def main():
    csv_path, log_path, md_path, png_path, cpu, cores, wine, date = sys.argv[1:9]
    rows = read_rows(csv_path)
    with open(log_path, errors='replace') as f:
        log_text = f.read()
    write_markdown(rows, log_text, md_path, cpu, cores, wine, date)
    write_chart(rows, png_path)


if __name__ == '__main__':
    main()
