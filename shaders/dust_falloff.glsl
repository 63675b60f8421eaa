#ifndef DUST_FALLOFF_GLSL
#define DUST_FALLOFF_GLSL

// Below this the fragment is dropped: the attachments other than albedo are not
// blended, so faint fringes must not stamp their square into them. It also keeps
// the rasteriser's work to the visible core of each sprite.
const float DUST_MIN_ALPHA = 0.015;

// One sprite alone is faint; the plume's body comes from many of them overlapping,
// which reads as a cloud rather than as a heap of separate dots.
const float DUST_PEAK_ALPHA = 0.3;

// A soft round puff over the squared distance from the sprite's centre (1 at the
// edge of its disc): a Gaussian-like falloff that reaches zero at the disc's rim,
// so no edge of the sprite's square can show.
float dustFalloff(float r2)
{
    return exp(-3.0 * r2) * clamp(1.0 - r2, 0.0, 1.0);
}

#endif
