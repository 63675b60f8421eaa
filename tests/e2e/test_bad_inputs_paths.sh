# Both path files, each broken in every way, are refused with one line and exit
# code 1: no way-points, a header line, a blank line, two way-points, equal and
# decreasing times, a field that is not a number, numbers beyond the float
# range, the non-finite values that the float conversion would accept, and a
# line cut off before its fourth field.
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/breakage.sh"
start_xvfb

for name in camera_path spaceship_path; do
  file="paths/$name.csv"
  notFinite="path file holds a value that is not a finite number: ./assets/$file"
  cutShort="path file holds a line with fewer than four fields: ./assets/$file"
  tooFew="path file fails x.size()>=3: ./assets/$file"
  notIncreasing="path file fails m_x[i]<m_x[i+1]: ./assets/$file"
  expect_refusal "$file" empty "$tooFew"
  expect_refusal "$file" 't,x,y,z\n0,0,0,0\n1,1,1,1\n2,2,2,2\n' "invalid stof argument"
  expect_refusal "$file" '0,0,0,0\n\n1,1,1,1\n2,2,2,2\n' "invalid stof argument"
  expect_refusal "$file" '0,0,0,0\n1,1,1,1\n' "$tooFew"
  expect_refusal "$file" '0,0,0,0\n1,1,1,1\n1,2,2,2\n' "$notIncreasing"
  expect_refusal "$file" '0,0,0,0\n2,1,1,1\n1,2,2,2\n' "$notIncreasing"
  expect_refusal "$file" '0,0,0,0\n1,one,1,1\n2,2,2,2\n' "invalid stof argument"
  expect_refusal "$file" '0,0,0,0\n1,1,1e39,1\n2,2,2,2\n' "stof argument out of range"
  expect_refusal "$file" '0,0,0,0\n1,1,1,-1e-46\n2,2,2,2\n' "stof argument out of range"
  expect_refusal "$file" '0,0,0,0\n1,nan,1,1\n2,2,2,2\n' "$notFinite"
  expect_refusal "$file" '0,0,0,0\n1,1,inf,1\n2,2,2,2\n' "$notFinite"
  expect_refusal "$file" '0,0,0,0\n1,1,1,1\n-infinity,2,2,2\n' "$notFinite"
  expect_refusal "$file" '0,0,0,0\n1,1,1,1\n2,2,2,2\n87,-4.7' "$cutShort"
done
echo "PASS ($CASES cases)"
