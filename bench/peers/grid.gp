# SPDX-FileCopyrightText: the Cellaro developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The picture cellaro-render draws, with gnuplot: a "label,count" list as a
# square grid of filled, outlined boxes on a 639 x 639 PNG, grey from white
# (count 0) to black (the largest count) as in the Gri scheme; label, count
# and share in each box up to 121 entries; the header letters around a list
# of exactly 1296 entries.
#   gnuplot -e "list='list-121.txt'; out='grid.png'" grid.gp
set encoding utf8
set datafile separator ","
stats list using 2 nooutput
n = STATS_records
top = STATS_max
total = STATS_sum

# Cells of the smallest square that holds the entries, over 600 pixels,
# 15 pixels from the top-left corner; a box starts 5 pixels into its cell
# and ends 4 pixels into the next one.
side = int(sqrt(n - 1)) + 1
cell = floor(600.0 / side + 0.5)
left(i) = 15 + (int(i) % side) * cell
top_of(i) = 15 + int(int(i) / side) * cell
grey(c) = int(floor(255.0 * (top - c) / top + 0.5))
rgb(c) = grey(c) * 65536 + grey(c) * 256 + grey(c)
# Box centre and half size on pixel centres; text baselines 10 pixels below
# the text's top.
mid(o) = o + 5.5 + (cell - 1) / 2.0
half = (cell - 1) / 2.0

set terminal pngcairo size 639,639 background rgb "#efefef" font "DejaVu Sans,9" noenhanced
set output out
set lmargin at screen 0
set rmargin at screen 1
set bmargin at screen 0
set tmargin at screen 1
unset border
unset tics
unset key
set xrange [0:639]
set yrange [639:0]

if (n <= 100) {
    set style fill solid 1.0 border rgb "#004040"
} else {
    set style fill solid 1.0 noborder
}

if (n == 1296) {
    letters = "a b c ç d dh e ë f g gj h i j k l ll m n nj o p q r rr s sh t th u v x xh y z zh"
    do for [k = 1:36] {
        set label k word(letters, k) at 15 + (k - 1) * cell + 7, 8 left textcolor rgb "black" front
        set label 36 + k word(letters, k) at 2, 15 + (k - 1) * cell + 13 left textcolor rgb "black" front
    }
}

if (n <= 121) {
    plot list using (mid(left($0))):(mid(top_of($0))):(half):(half):(rgb($2)) \
             with boxxyerror linecolor rgb variable, \
         list using (left($0) + 7):(top_of($0) + 13):1 with labels left textcolor rgb "#ffff00", \
         list using (left($0) + 7):(top_of($0) + 25):(sprintf("%d", $2)) \
             with labels left textcolor rgb "#ff8000", \
         list using (left($0) + 7):(top_of($0) + 37):(sprintf("%.2f%%", 100.0 * $2 / total)) \
             with labels left textcolor rgb "#ff8000"
} else {
    plot list using (mid(left($0))):(mid(top_of($0))):(half):(half):(rgb($2)) \
             with boxxyerror linecolor rgb variable
}
