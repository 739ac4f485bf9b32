// The precompiled headers of the tests are made from this empty unit.
