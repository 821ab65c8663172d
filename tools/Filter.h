#pragma once

// Second-order filter (biquad, direct form I) for shaping noise and metal at 33,000 samples per
// second; coefficients as in the common audio equaliser cookbook.
class Filter {
public:
    static Filter highPass(double cutoffHz, double q);
    static Filter bandPass(double centreHz, double q);

    double process(double input);

private:
    Filter(double b0, double b1, double b2, double a1, double a2);

    double m_b0, m_b1, m_b2, m_a1, m_a2;
    double m_x1 = 0.0, m_x2 = 0.0, m_y1 = 0.0, m_y2 = 0.0;
};
