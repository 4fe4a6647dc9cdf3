program Switches;

{ Built with range checks on (-Cr) and off: its unit names other units
  under each. }

uses
  SysUtils, Lumbrick, Checks;

procedure Scenario(N: Integer);
begin
  VIX.Chain := '';
  try
    Verify(N);
    WriteLn(N, ': done');
  except
    WriteLn(N, ': failed chain=[', VIX.Chain, ']');
  end;
end;

begin
  WriteLn(Mode);
  Scenario(1);
  Scenario(2);
end.
