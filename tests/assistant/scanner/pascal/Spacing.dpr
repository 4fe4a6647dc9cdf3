program Spacing;

uses
  SysUtils, Lumbrick, Indented;

procedure Scenario(const Title: string; Step: Integer);
var
  N: Integer;
begin
  VIX.Chain := '';
  try
    case Step of
      1: Store('short');
      2: Store(StringOfChar('z', 20));
      3: Report(['a', 'b']);
      4: Report([]);
      5: begin N := Checksum('abc'); WriteLn('checksum ', N); end;
      6: begin N := Checksum(StringOfChar('z', 20)); WriteLn('checksum ', N); end;
    end;
    WriteLn(Title, ': done');
  except
    on E: Exception do
      WriteLn(Title, ': ', E.ClassName, ': ', E.Message, ' chain=[', VIX.Chain, ']');
  end;
end;

begin
  Scenario('store', 1);
  Scenario('store long', 2);
  Scenario('report', 3);
  Scenario('report empty', 4);
  Scenario('checksum', 5);
  Scenario('checksum long', 6);
  WriteLn('calls ', Calls);
end.
