#!/bin/sh
# Compares a dialog's screenshot with its headless render: the same size; every edit and push
# button frame on exactly the same pixels; every text and check box within 4 pixels across and
# 2 down, as the toolkit draws them in its own font and style. Inside the frames the screenshot
# may show more (the values the headless template lacks, the buttons' captions). Both pictures
# are cut into blobs of ink (darker than 90 % grey), widened by 4 pixels either side so that the
# letters of a word join.
# Usage: same_layout.sh SCREENSHOT.png RENDER.png; exit 0 when they agree, else 1 with why.
blobs() {
  convert "$1" -alpha off -colorspace gray -threshold 90% -negate -morphology Dilate Rectangle:9x1 \
    -define connected-components:verbose=true -connected-components 8 null: |
    awk '$NF ~ /^graya?\(255/ { split($2, b, /[x+]/); print b[1], b[2], b[3], b[4] }'
}
size_shot=$(identify -format '%wx%h' "$1") || exit 1
size_render=$(identify -format '%wx%h' "$2") || exit 1
if [ "$size_shot" != "$size_render" ]; then
  echo "size $size_shot, headless $size_render"
  exit 1
fi
{ blobs "$2" | sed 's/^/R /'; blobs "$1" | sed 's/^/S /'; } | awk '
  # A frame is at least 15 pixels high: it must match exactly; a text or check box is lower.
  function near(i, j) {
    if (h[i] >= 15 || h[j] >= 15) {
      return w[i] == w[j] && h[i] == h[j] && x[i] == x[j] && y[i] == y[j]
    }
    return x[i] - x[j] <= 4 && x[j] - x[i] <= 4 && y[i] - y[j] <= 2 && y[j] - y[i] <= 2
  }
  function inside(j, i) {
    return h[i] >= 15 && x[j] >= x[i] && y[j] >= y[i] && x[j] + w[j] <= x[i] + w[i] &&
           y[j] + h[j] <= y[i] + h[i]
  }
  { n++; side[n] = $1; w[n] = $2; h[n] = $3; x[n] = $4; y[n] = $5 }
  function box(i) { return w[i] "x" h[i] "+" x[i] "+" y[i] }
  END {
    bad = 0
    for (i = 1; i <= n; i++) {
      found = 0
      for (j = 1; j <= n && !found; j++) {
        if (side[j] != side[i] && (near(i, j) || (side[i] == "S" && inside(i, j)))) found = 1
      }
      if (!found) {
        print (side[i] == "R" ? "missing on the screen: " : "not in the render: ") box(i)
        bad = 1
      }
    }
    exit bad
  }'
