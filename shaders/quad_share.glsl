#ifndef QUAD_SHARE_GLSL
#define QUAD_SHARE_GLSL

// The four pixels of a 2 x 2 quad run together, and the fine derivatives hand
// each of them its neighbours' values: work that several pixels need can be
// split four ways and shared. Only in uniform control flow.

// +1 or -1 for each axis: where the neighbour across and the one below (or
// above) lie.
vec2 quadSides()
{
    ivec2 p = ivec2(gl_FragCoord.xy) & 1;
    return vec2(p.x == 0 ? 1.0 : -1.0, p.y == 0 ? 1.0 : -1.0);
}

// The quad's values pooled (by maximum, or averaged) over the pixels that show
// the same surface as this one: a neighbour whose position lies beyond `reach`
// is across a silhouette and left out.
float quadPool(float value, vec3 position, float reach, bool maximum)
{
    vec2 sides = quadSides();
    vec4 own = vec4(position, value);
    vec4 across = own + sides.x * dFdxFine(own);
    bool sameAcross = distance(across.xyz, position) < reach;
    float row = sameAcross ? (maximum ? max(value, across.w) : 0.5 * (value + across.w)) : value;
    vec4 rowOwn = vec4(sameAcross ? 0.5 * (position + across.xyz) : position, row);
    vec4 below = rowOwn + sides.y * dFdyFine(rowOwn);
    bool sameBelow = distance(below.xyz, rowOwn.xyz) < reach;
    return sameBelow ? (maximum ? max(row, below.w) : 0.5 * (row + below.w)) : row;
}

#endif
