# Image measurements for the look tests (source after harness.sh). Regions are
# ImageMagick geometries WxH+X+Y on the 1920x1080 screen; values are 0..1.

# Mean red, green and blue of a region, space separated.
region_rgb() {
  convert "$1" -crop "$2" +repage -format "%[fx:mean.r] %[fx:mean.g] %[fx:mean.b]" info:
}

# The grey level below which PERCENT of the image's pixels lie.
gray_percentile() {
  convert "$1" -colorspace Gray -depth 8 -format %c histogram:info:- |
    awk -v p="$2" '{ n = $1; sub(":", "", n); v = $2; gsub(/[(),]/, " ", v); split(v, a, " ");
                     count[a[1]] += n; total += n }
                   END { for (g = 0; g < 256 && sum < total * p / 100; g++) sum += count[g]; printf "%.4f", (g - 1) / 255 }'
}

# Fraction of a region's pixels within 2% of COLOUR (an ImageMagick colour name or rgb()).
color_fraction() {
  convert "$1" ${3:+-crop "$3" +repage} -alpha off -fuzz 2% -transparent "$2" -alpha extract -negate \
    -format "%[fx:mean]" info:
}

# Fraction of a region's pixels (averaged over 4x4 blocks) for which the fx
# expression is true.
fx_fraction() {
  convert "$1" -crop "$2" +repage -scale 25% -fx "$3 ? 1 : 0" -colorspace Gray -format "%[fx:mean]" info:
}

# The first row (from the top, below row 20) where the middle half of the
# screen turns from blue sky to warm ground, or 0 when there is none.
horizon_row() {
  convert "$1" -crop 960x1080+480+0 +repage -scale '1x1080!' -depth 16 txt:- |
    awk 'NR > 1 { line = $0; gsub(/[(),:]/, " ", line); split(line, f, " ");
                  if (!found && f[2] > 20 && f[3] > f[5]) found = f[2] }
         END { print found + 0 }'
}

# assert_between VALUE LOW HIGH MESSAGE
assert_between() {
  awk -v v="$1" -v lo="$2" -v hi="$3" 'BEGIN { exit !(v >= lo && v <= hi) }' || fail "$4: $1 is not within $2 .. $3"
}
